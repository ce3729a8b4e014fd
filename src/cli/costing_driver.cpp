#include "cli/costing_driver.h"

#include "cli/json_output.h"
#include "cli/selection_terms.h"
#include "costing/costing_results.h"
#include "payback/frm_bin_data_results.h"
#include "platform/user_actions.h"
#include "selection/screen_entries.h"

#include <algorithm>

namespace rac::cli {

namespace {

using platform::Form;
namespace user = platform::user;

void click(Form& form, std::string_view control) {
    requireDone(user::click(form, control), form, control, "click");
}

void givePassword(Program& program, const std::string& password) {
    click(formOf(program, "frmCosting"), "mnuAdditionalInformation");
    Form& window = formOf(program, "frmPassword");
    requireDone(user::set(window, "txtPassword", password), window, "txtPassword", "type into");
    click(window, "cmdOK");
}

} // namespace

CostingOutcome runCosting(Program& program, platform::RecordingServices& services,
                          const CostingRequest& request) {
    click(formOf(program, "frmMain"), "cmdCosting");
    Form& costing = formOf(program, "frmCosting");
    services.messages.clear();
    if (request.password) {
        givePassword(program, *request.password);
    }
    const bool entered = enterCostingEntries(program, request);
    CostingOutcome outcome;
    outcome.entryMessages = services.messages.shown();
    services.messages.clear();
    if (entered) {
        click(costing, "cmdCalculateCost");
    }
    // Print is offered only while the prices and the payback are current.
    outcome.aborted = !costing.at("cmdPrint").enabled();
    const platform::Control* focus = costing.focus();
    if (outcome.aborted && focus != nullptr && focus->name() != "cmdCalculateCost") {
        outcome.focus = focus->name();
    }
    outcome.messages = services.messages.shown();
    outcome.fields = shownTexts(costing, costing::CostingResultControls());
    outcome.breakdown =
        shownTexts(formOf(program, "frmCostingBreakdown"), costing::BreakdownControls());
    outcome.main = shownTexts(formOf(program, "frmMain"),
                              std::array<std::string_view, 2>{"txtAirPDSupply", "txtAirPDExtract"});
    // The results window is made by the bin payback, and the bin method is all that shows it.
    const Form& results = formOf(program, "frmBinDataResults");
    if (costing.at("optBinPayback").value() == 1 && results.loaded()) {
        ShownTexts boxes = shownTexts(results, payback::BinResultControls());
        boxes.emplace_back("lblCoilCost", results.at("lblCoilCost").caption());
        outcome.bins = {std::move(boxes), payback::RowSeasons(results)};
    }
    for (const auto& [key, text] : services.settings.entries()) {
        outcome.settings.emplace_back(key, text);
    }
    return outcome;
}

namespace {

void appendBins(std::string& out, const std::optional<CostingOutcome::Bins>& bins) {
    out += R"(,"bins":)";
    if (!bins) {
        out += "null";
        return;
    }
    appendTextObject(out, bins->boxes);
    out.pop_back(); // the object goes on with the seasons
    out += R"(,"seasons":[)";
    std::string_view separator;
    for (const std::string_view season : bins->seasons) {
        out += separator;
        separator = ",";
        appendQuoted(out, season);
    }
    out += "]}";
}

} // namespace

void appendCostingOutcome(std::string& out, const std::optional<CostingOutcome>& outcome) {
    out += R"(,"costing":)";
    if (!outcome) {
        out += "null";
        return;
    }
    out += R"({"aborted":)";
    out += outcome->aborted ? "true" : "false";
    out += R"(,"entry_messages":)";
    appendMessages(out, outcome->entryMessages);
    out += R"(,"messages":)";
    appendMessages(out, outcome->messages);
    out += R"(,"focus":)";
    if (outcome->focus) {
        appendQuoted(out, *outcome->focus);
    } else {
        out += "null";
    }
    for (const auto& [key, texts] : {std::pair{R"(,"fields":)", &outcome->fields},
                                     std::pair{R"(,"breakdown":)", &outcome->breakdown},
                                     std::pair{R"(,"main":)", &outcome->main}}) {
        out += key;
        appendTextObject(out, *texts);
    }
    appendBins(out, outcome->bins);
    out += R"(,"settings":)";
    appendTextObject(out, outcome->settings);
    out += '}';
}

} // namespace rac::cli
