#pragma once

#include <array>
#include <string_view>

// The countries a costing can be quoted for, and the conversion of the sterling price into the
// country's currency. The list position is what the settings store keeps.
namespace rac::costmodel {

struct Country {
    std::string_view name;
    std::string_view currency; // the word of the price and payback labels
    float defaultExchangeRate; // local units per pound sterling
};

inline constexpr std::array<Country, 13> kCountries{{
    {"United Kingdom", "£", 1.0f},
    {"Bahrain", "BHD", 0.625f},
    {"Denmark", "DKK", 12.17f},
    {"European", "EUR", 1.64f},
    {"Hong Kong", "HKD", 11.44f},
    {"India", "INR", 72.0f},
    {"Korea", "WON", 1873.77f},
    {"Kuwait", "KWD", 0.5f},
    {"Oman", "OMR", 0.53f},
    {"Pakistan", "PKR", 86.05f},
    {"Qatar", "QAR", 5.3f},
    {"Saudi Arabia", "SAR", 5.3f},
    {"U.A.E.", "DH", 5.3f},
}};

// The local ex-works price: the number the sterling total text shows times the number the
// exchange rate text shows, either reading 0 when it does not begin with a number. Shown with
// the pattern "0".
double LocalExWorksPrice(std::string_view sterlingTotalShown, std::string_view exchangeRateShown);

// A run-around total: the sum of the numbers the two coils' boxes show, so that the total agrees
// with the rounded values the user sees rather than with the unrounded coil values.
double RunAroundTotal(std::string_view supplyShown, std::string_view extractShown);

} // namespace rac::costmodel
