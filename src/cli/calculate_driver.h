#pragma once

#include "cli/calculate_request.h"
#include "cli/program.h"
#include "platform/message_box.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rac::cli {

struct CalculateOutcome {
    // Validation failed or the calculation stopped: the results are not current.
    bool aborted = false;
    std::vector<platform::Message> messages; // every box shown, each answered with OK
    // The control a failed check gave the focus back to; none when the calculation ran or stopped
    // in the engine, or when a check across fields failed.
    std::optional<std::string> focus;
    // The result controls of frmMain and the texts they show, in screen order.
    std::vector<std::pair<std::string, std::string>> fields;
};

// Runs one request on a freshly launched program as a user at the main screen would: chooses
// mode and target from the menus, enters the fields, presses Calculate. Throws InputError for a
// request the screen does not let a user carry out, and PlatformError for a control or list item
// that does not exist.
CalculateOutcome calculate(const CalculateRequest& request, const Launcher& launch);

// {"aborted", "messages", "focus", "fields"}
OrderedJson outcomeJson(const CalculateOutcome& outcome);

} // namespace rac::cli
