#include "summary/currency_words.h"

#include <array>
#include <utility>

namespace rac::summary {

std::string_view currencyWord(std::string_view country) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 13> words{{
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
        {"Korea", "WON"},
        {"Hong Kong", "HKD"},
    }};
    for (const auto& [name, word] : words) {
        if (name == country) {
            return word;
        }
    }
    return {};
}

} // namespace rac::summary
