#include "payback/country_labels.h"

#include "costmodel/countries.h"

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

// The savings chart names the currency of every country but these.
constexpr std::array<std::string_view, 2> kUnlabelledCostSeries{"Korea", "Hong Kong"};

const Words* coilCostWords(std::string_view country) {
    const auto found = std::find_if(kCoilCostWords.begin(), kCoilCostWords.end(),
                                    [&](const Words& words) { return words.first == country; });
    return found == kCoilCostWords.end() ? nullptr : &*found;
}

} // namespace

std::string CoilCostCaption(std::string_view country) {
    const Words* words = coilCostWords(country);
    return words == nullptr ? "Coil Cost" : "Coil Cost (" + std::string(words->second) + ")";
}

std::string CostSeriesLabel(std::string_view country) {
    if (std::find(kUnlabelledCostSeries.begin(), kUnlabelledCostSeries.end(), country) !=
        kUnlabelledCostSeries.end()) {
        return "";
    }
    for (const costmodel::Country& listed : costmodel::kCountries) {
        if (listed.name == country) {
            return "Cost Saving (" + std::string(listed.currency) + ")";
        }
    }
    return "";
}

} // namespace rac::payback
