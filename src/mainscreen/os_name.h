#pragma once

#include <optional>
#include <string>
#include <string_view>

// The name of the operating system the program runs on, for the splash screen.
namespace rac::mainscreen {

// PRETTY_NAME of an os-release file's contents ("Debian GNU/Linux 12 (bookworm)"): the value
// unquoted and unescaped; none when the file does not give one.
std::optional<std::string> prettyNameFromOsRelease(std::string_view contents);

// PRETTY_NAME of /etc/os-release (or /usr/lib/os-release), else the kernel's name as uname gives
// it, else "unknown".
std::string operatingSystemName();

// "Platform: " followed by the operating system's name.
std::string platformCaption();

} // namespace rac::mainscreen
