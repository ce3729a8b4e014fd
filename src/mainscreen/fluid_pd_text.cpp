#include "mainscreen/fluid_pd_text.h"

#include "foundation/numbers.h"

namespace rac::mainscreen {

std::string wholeAbove100(std::string shown) {
    const double number = numbers::leadingNumber(shown);
    if (number > 100) {
        return numbers::format(number, numbers::Pattern::Whole);
    }
    return shown;
}

std::string totalFluidPDText(std::string_view supplyShown, std::string_view extractShown) {
    const double total = numbers::leadingNumber(extractShown) + numbers::leadingNumber(supplyShown);
    return wholeAbove100(numbers::shortestText(total));
}

} // namespace rac::mainscreen
