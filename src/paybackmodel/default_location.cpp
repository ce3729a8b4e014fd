#include "paybackmodel/default_location.h"

#include <array>
#include <cstddef>

namespace rac::paybackmodel {

namespace {

// Indexed by country position; the values are location list positions. Countries without
// weather of their own take a neighbour's.
constexpr std::array<int, kCountryCount> kDefaultLocations{
    0,  // "United Kingdom": "United Kingdom - London"
    2,  // "Bahrain": "Bahrain"
    4,  // "Denmark": "Germany - Frankfurt"
    4,  // "European": "Germany - Frankfurt"
    5,  // "Hong Kong": "Hong Kong - Hong Kong"
    7,  // "India": "India - Mumbai"
    8,  // "Korea": "Korea - Soeul"
    9,  // "Kuwait": "Kuwait - Kuwait City"
    10, // "Oman": "Oman"
    7,  // "Pakistan": "India - Mumbai"
    2,  // "Qatar": "Bahrain"
    11, // "Saudi Arabia": "Saudi Arabia - Riyadh"
    3,  // "U.A.E.": "Dubai"
};

} // namespace

std::optional<int> DefaultBinLocation(int countryPosition) {
    if (countryPosition < 0 || countryPosition >= kCountryCount) {
        return std::nullopt;
    }
    return kDefaultLocations[static_cast<std::size_t>(countryPosition)];
}

} // namespace rac::paybackmodel
