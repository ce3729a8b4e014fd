#pragma once

#include <optional>

// The bin location that goes with each country of the costing screen's country list.
namespace rac::paybackmodel {

inline constexpr int kCountryCount = 13;

// The location list position for the country at this country list position; none for a
// position outside the country list.
std::optional<int> DefaultBinLocation(int countryPosition);

} // namespace rac::paybackmodel
