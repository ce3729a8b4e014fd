#include "selection/screen_entries.h"

#include "platform/platform_error.h"
#include "platform/user_actions.h"
#include "selection/screen_actions.h"

#include <algorithm>

namespace rac::selection {

namespace {

using platform::Control;
using platform::ControlKind;
using platform::Form;
namespace user = platform::user;

constexpr std::string_view mainForm = "frmMain";
constexpr std::string_view costingForm = "frmCosting";
constexpr std::string_view locationForm = "frmSelectBinData";

std::string_view modeMenu(Mode mode) {
    return mode == Mode::Rating ? "mnuRating" : "mnuSelection";
}

constexpr std::array targetMenus{std::pair{Target::AirOffDB, "mnuDBOff"},
                                 std::pair{Target::Effectiveness, "mnuEffectiveness"},
                                 std::pair{Target::Duty, "mnuDuty"}};

std::string_view targetMenu(Target target) {
    return std::find_if(targetMenus.begin(), targetMenus.end(),
                        [&](const auto& menu) { return menu.first == target; })
        ->second;
}

// Choosing the entry already checked is left out: the target's own entry would blank its value.
void choose(Form& form, std::string_view menuEntry) {
    if (!form.at(menuEntry).checked()) {
        requireDone(user::click(form, menuEntry), form, menuEntry, "choose");
    }
}

void click(Form& form, std::string_view control) {
    requireDone(user::click(form, control), form, control, "click");
}

// The location is picked in the location window that "Select Bin Data" opens, and confirmed.
void pickLocation(Program& program, Form& costing, const std::string& location) {
    click(costing, "cmdBinData");
    Form& window = formOf(program, locationForm);
    requireDone(user::pick(window, "cmbLocation", location), window, "cmbLocation", "pick from");
    click(window, "cmdOK");
}

bool enterCostingEntry(Program& program, Form& costing, const std::string& name,
                       const std::string& text) {
    if (name == "cmbLocation") {
        pickLocation(program, costing, text);
        return true;
    }
    if (!enterField(costing, name, text)) {
        return false;
    }
    if (name.starts_with("cmbCasingStyle") && costing.focus() == &costing.at(name)) {
        requireDone(user::leave(costing, name), costing, name, "leave");
    }
    return true;
}

// A user can enter the control now: it and what holds it are visible and enabled, and it is not
// read-only.
bool enterable(const Control& control) {
    for (const Control* part = &control; part != nullptr; part = part->container()) {
        if (!part->visible() || !part->enabled()) {
            return false;
        }
    }
    return !control.locked();
}

// The text that enters the control again: a choice as "1" or "0", anything else as shown.
std::optional<std::string> entryText(const Control& control) {
    if (!enterable(control)) {
        return std::nullopt;
    }
    switch (control.kind()) {
    case ControlKind::CheckBox:
        return control.value() == 1 ? "1" : "0";
    case ControlKind::OptionButton:
        return control.value() == 1 ? std::optional<std::string>("1") : std::nullopt;
    default:
        return control.text();
    }
}

// The entries in the order given; `entry` finds the control an entry is made in, or null for one
// that does not count now.
template <typename Entry>
std::vector<std::pair<std::string, std::string>> shownEntries(const std::vector<std::string>& order,
                                                              Entry entry) {
    std::vector<std::pair<std::string, std::string>> entries;
    for (const std::string& name : order) {
        const Control* control = entry(name);
        if (control == nullptr) {
            continue;
        }
        if (auto text = entryText(*control)) {
            entries.emplace_back(name, std::move(*text));
        }
    }
    return entries;
}

} // namespace

bool enterMainEntries(Form& main, const CalculateRequest& request) {
    choose(main, modeMenu(request.mode));
    if (request.mode == Mode::Selection) {
        choose(main, targetMenu(request.target));
    }
    return std::all_of(request.fields.begin(), request.fields.end(), [&](const auto& field) {
        return enterField(main, field.first, field.second);
    });
}

bool enterCostingEntries(Program& program, const CostingRequest& request) {
    Form& costing = formOf(program, costingForm);
    return std::all_of(request.fields.begin(), request.fields.end(), [&](const auto& field) {
        return enterCostingEntry(program, costing, field.first, field.second);
    });
}

namespace {

std::string keptFocus(const Form& form) {
    const Control* focus = form.focus();
    const std::string where = focus == nullptr ? form.name() : form.name() + "." + focus->name();
    return where + ": the entry was refused, as its message said; the entries after it were "
                   "not made";
}

std::optional<std::string> enterAndCalculate(Program& program, const CalculateRequest& request) {
    Form& main = formOf(program, mainForm);
    if (!enterMainEntries(main, request)) {
        return keptFocus(main);
    }
    click(main, "cmdCalculate");
    if (!request.costing) {
        return std::nullopt;
    }
    // Costing is offered only while the results are current.
    if (!main.at("cmdCosting").enabled()) {
        return "the costing was not opened: the calculation did not complete";
    }
    click(main, "cmdCosting");
    Form& costing = formOf(program, costingForm);
    if (!enterCostingEntries(program, *request.costing)) {
        return keptFocus(costing);
    }
    click(costing, "cmdCalculateCost");
    return std::nullopt;
}

} // namespace

std::optional<std::string> openSelection(Program& program, const CalculateRequest& request) {
    try {
        return enterAndCalculate(program, request);
    } catch (const InputError& refused) {
        return refused.what();
    } catch (const platform::PlatformError& refused) {
        return refused.what();
    }
}

CalculateRequest shownSelection(Program& program) {
    const Form& main = formOf(program, mainForm);
    CalculateRequest shown;
    shown.mode = main.at(modeMenu(Mode::Rating)).checked() ? Mode::Rating : Mode::Selection;
    for (const auto& [target, menu] : targetMenus) {
        if (main.at(menu).checked()) {
            shown.target = target;
        }
    }
    shown.fields = shownEntries(CalculateInputOrder(), [&](const std::string& name) {
        return entersIn(shown.mode, shown.target, name) ? &main.at(name) : nullptr;
    });
    const Form* costing = program.form(costingForm);
    if (costing != nullptr && costing->shown()) {
        const Form* location = program.form(locationForm);
        shown.costing = CostingRequest{
            std::nullopt, shownEntries(CostingInputOrder(), [&](const std::string& name) {
                if (name != "cmbLocation") {
                    return &costing->at(name);
                }
                // The location window holds the location whose bins are loaded; it counts only
                // for the bin payback.
                const bool bins = costing->at("optBinPayback").value() == 1 &&
                                  location != nullptr && location->loaded();
                return bins ? &location->at(name) : nullptr;
            })};
    }
    return shown;
}

} // namespace rac::selection
