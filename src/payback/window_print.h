#pragma once

#include "platform/form.h"
#include "platform/services.h"

#include <string_view>

// Printing an image of a bin window, and what the window says when that fails.
namespace rac::payback {

inline constexpr std::string_view kFormNotPrinted = "The form can't be printed.";
inline constexpr std::string_view kWindowNotPrinted = "The window can't be printed.";

// An image of the window on the printer; a print that fails shows the failure text with an OK
// button only and leaves the window as it was.
void PrintWindow(const platform::Services& services, const platform::Form& window,
                 std::string_view failure);

} // namespace rac::payback
