#pragma once

#include "platform/control.h"

#include <string>
#include <string_view>
#include <vector>

// The choices of the coil option lists, recognised by exact comparison of the whole text.
namespace rac::mainscreen {

inline constexpr std::string_view kOptimise = "Optimise";
inline constexpr std::string_view kFixed = "Fixed";
inline constexpr std::string_view kMaximum = "Maximum";
inline constexpr std::string_view kNumber = "Number";

inline const std::vector<std::string> kFinDensityModes{"Optimise", "Fixed", "Maximum"};
inline const std::vector<std::string> kCircuitModes{"Optimise", "Fixed", "Number"};
inline const std::vector<std::string> kCircuitTypes{"1B", "2B", "H", "P", "F", "Q", "D"};
inline const std::vector<std::string> kGlycols{"EGS", "PGS"};

// Replaces the items of a list and selects one of them.
void refill(platform::Control& list, const std::vector<std::string>& items,
            std::string_view selected);

} // namespace rac::mainscreen
