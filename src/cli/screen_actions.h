#pragma once

#include "cli/program.h"

#include <string>
#include <string_view>

// What the commands need around the user actions of platform/user_actions.h: forms found by name,
// and a refused action reported with the reason a user would see.
namespace rac::cli {

// The form of that name; throws InputError when the program has none.
platform::Form& formOf(Program& program, std::string_view name);

// Why a user cannot reach the form's window at all ("frmMain is not shown", "frmSummary is shown
// modal"); empty when they can.
std::string whyUnreachable(const platform::Form& form);

// Throws InputError "cannot <action> frmMain.txtDuty: it is read-only" when done is false.
void requireDone(bool done, const platform::Form& form, std::string_view control,
                 std::string_view action);

} // namespace rac::cli
