#pragma once

#include <string>
#include <string_view>

// How the program names itself on its windows, in the About box and in its help.
namespace rac::mainscreen {

inline constexpr std::string_view kApplicationTitle = "ZYL RAC";
inline constexpr std::string_view kMainWindowTitle = "ZYL RAC Version 1.1";
inline constexpr std::string_view kProgramDescription =
    "Run Around Coil Selection and Rating Software";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 1;
// Beside the program; opened at its contents by the Help menu and toolbar.
inline constexpr std::string_view kHelpFile = "ZYLRAC.hlp";

// "Version 1.1"
inline std::string versionText() {
    return "Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
}

} // namespace rac::mainscreen
