#include "costmodel/countries.h"

#include "foundation/numbers.h"

namespace rac::costmodel {

double LocalExWorksPrice(std::string_view sterlingTotalShown, std::string_view exchangeRateShown) {
    return numbers::leadingNumber(sterlingTotalShown) * numbers::leadingNumber(exchangeRateShown);
}

double RunAroundTotal(std::string_view supplyShown, std::string_view extractShown) {
    return numbers::leadingNumber(extractShown) + numbers::leadingNumber(supplyShown);
}

} // namespace rac::costmodel
