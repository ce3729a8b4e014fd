#include "cli/calculate_driver.h"

#include "cli/json_output.h"
#include "cli/selection_terms.h"
#include "mainscreen/calculate_results.h"
#include "platform/user_actions.h"
#include "selection/screen_entries.h"

namespace rac::cli {

namespace {

using platform::Control;
using platform::Form;
namespace user = platform::user;

constexpr std::string_view mainForm = "frmMain";
constexpr std::string_view calculateButton = "cmdCalculate";
// Enabled by a calculation that completes, disabled by any change of the inputs and by a
// calculation that stops, left alone by a failed validation: on a freshly started screen it tells
// whether the results are current.
constexpr std::string_view costingButton = "cmdCosting";

} // namespace

CalculateSession::CalculateSession(Launcher launch) : launch_(std::move(launch)) {}

CalculateSession::~CalculateSession() = default;

Program& CalculateSession::startedProgram() {
    if (program_ != nullptr && finished_ && program_->restart()) {
        // A request shows message boxes, lets pending events through and, with a costing,
        // writes the payback settings; it reaches no other service.
        services_->messages.clear();
        services_->settings.clear();
        return *program_;
    }
    program_.reset(); // before the services it runs on
    services_ = std::make_unique<platform::RecordingServices>();
    program_ = launch_(services_->services());
    return *program_;
}

CalculateOutcome CalculateSession::calculate(const CalculateRequest& request) {
    Form& form = formOf(startedProgram(), mainForm);
    finished_ = false;

    CalculateOutcome outcome;
    if (enterMainEntries(form, request)) {
        requireDone(user::click(form, calculateButton), form, calculateButton, "click");
        outcome.aborted = !form.at(costingButton).enabled();
    } else {
        outcome.aborted = true;
    }
    const Control* focus = form.focus();
    if (outcome.aborted && focus != nullptr && focus->name() != calculateButton) {
        outcome.focus = focus->name();
    }
    outcome.messages = services_->messages.shown();
    outcome.fields = shownTexts(form, mainscreen::CalculateResultControls());
    if (request.costing) {
        outcome.costingAsked = true;
        if (!outcome.aborted) {
            outcome.costing = runCosting(*program_, *services_, *request.costing);
        }
    }
    finished_ = true;
    return outcome;
}

CalculateOutcome calculate(const CalculateRequest& request, const Launcher& launch) {
    return CalculateSession(launch).calculate(request);
}

std::string outcomeText(const CalculateOutcome& outcome) {
    constexpr std::size_t usualLength = 2048;        // the fields and a message or two
    constexpr std::size_t usualCostingLength = 6144; // its fields, breakdown and settings
    std::string text;
    text.reserve(usualLength + (outcome.costing ? usualCostingLength : 0));
    text += R"({"aborted":)";
    text += outcome.aborted ? "true" : "false";
    text += R"(,"messages":)";
    appendMessages(text, outcome.messages);
    text += R"(,"focus":)";
    if (outcome.focus) {
        appendQuoted(text, *outcome.focus);
    } else {
        text += "null";
    }
    text += R"(,"fields":)";
    appendTextObject(text, outcome.fields);
    if (outcome.costingAsked) {
        appendCostingOutcome(text, outcome.costing);
    }
    text += '}';
    return text;
}

} // namespace rac::cli
