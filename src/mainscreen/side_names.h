#pragma once

#include "coil/current_coil.h"

#include <string>
#include <string_view>

// The supply and extract blocks of the main screen differ only in the last word of their control
// names ("txtTubesHighSupply") and in the word their messages use ("supply").
namespace rac::mainscreen {

inline constexpr coil::CoilSide kBothSides[] = {coil::CoilSide::Supply, coil::CoilSide::Extract};

// "Supply" or "Extract", as control names end.
inline std::string_view sideSuffix(coil::CoilSide side) {
    return side == coil::CoilSide::Supply ? "Supply" : "Extract";
}

// "txtTubesHigh" on the supply side gives "txtTubesHighSupply".
inline std::string sided(std::string_view base, coil::CoilSide side) {
    return std::string(base) + std::string(sideSuffix(side));
}

// "supply" or "extract", as the messages write it inside a sentence.
inline std::string_view sideWord(coil::CoilSide side) {
    return side == coil::CoilSide::Supply ? "supply" : "extract";
}

} // namespace rac::mainscreen
