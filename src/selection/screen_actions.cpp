#include "selection/screen_actions.h"

#include "platform/user_actions.h"
#include "selection/json_input.h"

#include <algorithm>

namespace rac::selection {

namespace {

std::string pathOf(const platform::Control& control) {
    return control.form().name() + "." + control.name();
}

} // namespace

std::string whyUnreachable(const platform::Form& form) {
    if (!form.shown()) {
        return form.name() + " is not shown";
    }
    if (const platform::Form* modal = form.blockedBy()) {
        return modal->name() + " is shown modal";
    }
    return {};
}

namespace {

// Why a user cannot act on the control now: "frmMain is not shown", "frmSummary is shown modal",
// "frmMain.mnuMode is disabled", "it is read-only", "the focus is in frmMain.txtTubesHighSupply".
std::string whyRefused(const platform::Form& form, const platform::Control& control) {
    if (std::string why = whyUnreachable(form); !why.empty()) {
        return why;
    }
    for (const platform::Control* part = &control; part != nullptr; part = part->container()) {
        const std::string who = part == &control ? "it" : pathOf(*part);
        if (!part->visible()) {
            return who + " is hidden";
        }
        if (!part->enabled()) {
            return who + " is disabled";
        }
    }
    if (control.locked()) {
        return "it is read-only";
    }
    if (form.focus() != nullptr && form.focus() != &control) {
        return "the focus is in " + pathOf(*form.focus());
    }
    return "the screen did not let it happen";
}

} // namespace

platform::Form& formOf(Program& program, std::string_view name) {
    platform::Form* form = program.form(name);
    if (form == nullptr) {
        throw InputError("the program has no form named " + inQuotes(name));
    }
    return *form;
}

void requireDone(bool done, const platform::Form& form, std::string_view control,
                 std::string_view action) {
    if (done) {
        return;
    }
    const platform::Control& refused = form.at(control);
    throw InputError("cannot " + std::string(action) + " " + pathOf(refused) + ": " +
                     whyRefused(form, refused));
}

namespace {

using platform::Control;
using platform::ControlKind;
namespace user = platform::user;

bool hasItem(const Control& list, std::string_view item) {
    return std::find(list.items().begin(), list.items().end(), item) != list.items().end();
}

// Replaces the text of an editable list by typing, as into a box whose text is selected.
void typeOver(platform::Form& form, const std::string& name, const std::string& text) {
    requireDone(user::set(form, name, ""), form, name, "type into");
    requireDone(user::type(form, name, text), form, name, "type into");
}

// A check box or an option button set to "1" or "0" by a click, when it shows the other. An
// option button goes off only by choosing another of its group.
void setChoice(platform::Form& form, const Control& control, const std::string& text) {
    if (text != "1" && text != "0") {
        throw InputError(inQuotes(control.name()) + " takes \"1\" or \"0\", not " + inQuotes(text));
    }
    const int wanted = text == "1" ? 1 : 0;
    if (control.value() == wanted) {
        return;
    }
    if (control.kind() == ControlKind::OptionButton && wanted == 0) {
        throw InputError("cannot clear " + control.form().name() + "." + control.name() +
                         ": an option button goes off only when another of its group is chosen");
    }
    requireDone(user::click(form, control.name()), form, control.name(), "click");
}

} // namespace

bool enterField(platform::Form& form, const std::string& name, const std::string& text) {
    const Control& control = form.at(name);
    if (control.kind() == ControlKind::CheckBox || control.kind() == ControlKind::OptionButton) {
        setChoice(form, control, text);
        return true;
    }
    if (control.kind() == ControlKind::List ||
        (control.kind() == ControlKind::EditableList && hasItem(control, text))) {
        requireDone(user::pick(form, name, text), form, name, "pick from");
        return true;
    }
    if (control.kind() == ControlKind::EditableList) {
        typeOver(form, name, text);
        return true;
    }
    requireDone(user::set(form, name, text), form, name, "type into");
    if (form.focus() != &control) {
        return true; // a handler already moved the focus on
    }
    requireDone(user::leave(form, name), form, name, "leave");
    return form.focus() != &control;
}

} // namespace rac::selection
