#include "payback/country_labels.h"

#include <algorithm>
#include <array>
#include <utility>

namespace rac::payback {

namespace {

using Words = std::pair<std::string_view, std::string_view>; // country, currency word

constexpr std::array<Words, 9> kCoilCostWords{{
    {"United Kingdom", "£"},
    {"Kuwait", "KD"},
    {"U.A.E.", "Dir"},
    {"Saudi Arabia", "SR"},
    {"Qatar", "QR"},
    {"Bahrain", "BD"},
    {"Oman", "OMR"},
    {"India", "Rs"},
    {"Pakistan", "PKR"},
}};

constexpr std::array<Words, 11> kCostSeriesWords{{
    {"United Kingdom", "£"},
    {"Kuwait", "KWD"},
    {"U.A.E.", "DH"},
    {"Saudi Arabia", "SAR"},
    {"Qatar", "QAR"},
    {"Bahrain", "BHD"},
    {"Oman", "OMR"},
    {"India", "INR"},
    {"Pakistan", "PKR"},
    {"Denmark", "DKK"},
    {"European", "EUR"},
}};

template <std::size_t N>
const Words* wordsOf(const std::array<Words, N>& table, std::string_view country) {
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const Words& words) { return words.first == country; });
    return found == table.end() ? nullptr : &*found;
}

} // namespace

std::string CoilCostCaption(std::string_view country) {
    const Words* words = wordsOf(kCoilCostWords, country);
    return words == nullptr ? "Coil Cost" : "Coil Cost (" + std::string(words->second) + ")";
}

std::string CostSeriesLabel(std::string_view country) {
    const Words* words = wordsOf(kCostSeriesWords, country);
    return words == nullptr ? "" : "Cost Saving (" + std::string(words->second) + ")";
}

} // namespace rac::payback
