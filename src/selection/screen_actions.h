#pragma once

#include "selection/program.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What the commands need around the user actions of platform/user_actions.h: forms found by name,
// and a refused action reported with the reason a user would see.
namespace rac::selection {

// The form of that name; throws InputError when the program has none.
platform::Form& formOf(Program& program, std::string_view name);

// Why a user cannot reach the form's window at all ("frmMain is not shown", "frmSummary is shown
// modal"); empty when they can.
std::string whyUnreachable(const platform::Form& form);

// Throws InputError "cannot <action> frmMain.txtDuty: it is read-only" when done is false.
void requireDone(bool done, const platform::Form& form, std::string_view control,
                 std::string_view action);

// Controls and the texts they show, in the order a command reports them. The names are those of
// the lists the commands report from, which live as long as the program.
using ShownTexts = std::vector<std::pair<std::string_view, std::string>>;

// The texts of the form's controls of these names.
template <typename Names> ShownTexts shownTexts(const platform::Form& form, const Names& names) {
    ShownTexts shown;
    shown.reserve(names.size());
    for (const auto& name : names) {
        shown.emplace_back(name, form.at(name).text());
    }
    return shown;
}

// Enters one field as a user would: a list by picking the item with that text (an editable list
// whose text is no item by typing over it), a text box by replacing its text and then leaving
// it, a check box or option button, given "1" or "0", by clicking it when its state differs.
// False when a text box kept the focus on being left: its check failed and the user can go no
// further. Throws InputError for an entry the screen does not let a user make.
bool enterField(platform::Form& form, const std::string& name, const std::string& text);

} // namespace rac::selection
