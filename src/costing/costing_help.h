#pragma once

// Where the costing screen opens the program's help: its topic's context in the help file.
namespace rac::costing {

inline constexpr int kCostingHelpContext = 2;

} // namespace rac::costing
