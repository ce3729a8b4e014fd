#pragma once

#include <string_view>

namespace rac::summary {

// The currency word a country's prices are shown in ("Kuwait" gives "KWD", "United Kingdom"
// "£"); empty for a text that is no country of the costing screen's list.
std::string_view currencyWord(std::string_view country);

} // namespace rac::summary
