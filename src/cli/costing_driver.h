#pragma once

#include "cli/selection_terms.h"
#include "foundation/messages.h"
#include "platform/services.h"
#include "selection/costing_request.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rac::cli {

struct CostingOutcome {
    // Validation failed or the costing stopped: the prices and the payback are not current.
    bool aborted = false;
    std::vector<Message> entryMessages; // shown while the entries were made
    std::vector<Message> messages;      // shown by the costing's Calculate
    // The control a failed check gave the focus back to.
    std::optional<std::string> focus;
    ShownTexts fields;    // frmCosting's results and payback inputs, in screen order
    ShownTexts breakdown; // every box of frmCostingBreakdown
    ShownTexts main;      // the main screen's air pressure drops, as the eliminators leave them
    // The bin payback's results window, when the bin payback ran: every box and the coil
    // cost's caption (lblCoilCost), and each row's season as its colour shows it.
    struct Bins {
        ShownTexts boxes;
        std::vector<std::string_view> seasons;
    };
    std::optional<Bins> bins;
    // The settings store, keyed "Section/Value".
    std::vector<std::pair<std::string, std::string>> settings;
};

// On a program whose calculation has just completed, as a user would: presses the main screen's
// Costing, gives the password through Additional Information, makes the entries in the order of
// CostingInputOrder (a casing style is left after it is picked, as its rule runs on leaving) and
// presses Calculate. Throws InputError for an entry the screens do not let a user make, and
// PlatformError for a list item that does not exist.
CostingOutcome runCosting(Program& program, platform::RecordingServices& services,
                          const CostingRequest& request);

// ,"costing":{...} (or null, when the calculation did not complete) appended as JSON text.
void appendCostingOutcome(std::string& out, const std::optional<CostingOutcome>& outcome);

} // namespace rac::cli
