#include "cli/screen_actions.h"

#include "cli/json_input.h"

namespace rac::cli {

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

} // namespace rac::cli
