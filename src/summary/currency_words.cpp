#include "summary/currency_words.h"

#include "costmodel/countries.h"

namespace rac::summary {

std::string_view currencyWord(std::string_view country) {
    for (const costmodel::Country& listed : costmodel::kCountries) {
        if (listed.name == country) {
            return listed.currency;
        }
    }
    return {};
}

} // namespace rac::summary
