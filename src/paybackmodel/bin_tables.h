#pragma once

#include <array>

// The weather of one location's year in ten bins of rising dry bulb. The bins are numbered 1 to
// 10 on every screen; here bin n is element n - 1 of each table.
namespace rac::paybackmodel {

inline constexpr int kBinCount = 10;

using BinValues = std::array<float, kBinCount>;

// The loaded location's bins. Zeros until a location is loaded; a load overwrites all forty
// values.
struct BinTables {
    BinValues BinDB{};    // outdoor dry bulb, C
    BinValues BinWB{};    // outdoor wet bulb, C
    BinValues BinRH{};    // outdoor relative humidity, %
    BinValues BinHours{}; // hours per year spent in the bin

    friend bool operator==(const BinTables&, const BinTables&) = default;
};

} // namespace rac::paybackmodel
