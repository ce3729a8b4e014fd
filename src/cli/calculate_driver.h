#pragma once

#include "cli/costing_driver.h"
#include "cli/selection_terms.h"
#include "foundation/messages.h"
#include "selection/calculate_request.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rac::cli {

struct CalculateOutcome {
    // Validation failed or the calculation stopped: the results are not current.
    bool aborted = false;
    std::vector<Message> messages; // every box shown, each answered with OK
    // The control a failed check gave the focus back to; none when the calculation ran or stopped
    // in the engine, or when a check across fields failed.
    std::optional<std::string> focus;
    // The result controls of frmMain and the texts they show, in screen order, as the
    // calculation left them.
    ShownTexts fields;
    // The request asked for a costing; it ran only when the calculation completed.
    bool costingAsked = false;
    std::optional<CostingOutcome> costing;
};

// Runs requests one after another, each on the program as it stands after start-up, as a user at
// the main screen would: chooses mode and target from the menus, enters the fields, presses
// Calculate, and when asked and the calculation completed, prices the pair on the costing screen.
// The program is launched once and restarted for each later request; a program that cannot restart,
// or one a request failed on, is launched afresh for the next.
class CalculateSession {
  public:
    explicit CalculateSession(Launcher launch);
    ~CalculateSession();
    CalculateSession(const CalculateSession&) = delete;
    CalculateSession& operator=(const CalculateSession&) = delete;

    // Throws InputError for a request the screen does not let a user carry out, and
    // PlatformError for a control or list item that does not exist.
    CalculateOutcome calculate(const CalculateRequest& request);

  private:
    Program& startedProgram();

    Launcher launch_;
    std::unique_ptr<platform::RecordingServices> services_;
    std::unique_ptr<Program> program_;
    bool finished_ = false; // the last request ran to its end on program_
};

// One request on a freshly launched program.
CalculateOutcome calculate(const CalculateRequest& request, const Launcher& launch);

// {"aborted", "messages", "focus", "fields"}, and "costing" when asked for, as one line of JSON
// text, written directly rather than built as a JSON value: a batch writes one for every request.
std::string outcomeText(const CalculateOutcome& outcome);

} // namespace rac::cli
