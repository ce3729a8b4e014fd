#pragma once

#include "paybackmodel/bin_tables.h"

#include <array>
#include <string_view>

// The thirteen locations whose weather the bin payback can use, in the order of the location
// list. The list position is what the settings store and the country table keep.
namespace rac::paybackmodel {

inline constexpr int kLocationCount = 13;

// The location names in list order, spelt exactly as listed ("Korea - Soeul").
const std::array<std::string_view, kLocationCount>& LocationNames();

// Overwrites all four tables with the bins of the location at this list position. A position
// outside the list is refused (false) and leaves the tables exactly as they were, so a stored
// position that cannot be applied never leaves them half loaded.
bool LoadBinData(BinTables& tables, int position);

} // namespace rac::paybackmodel
