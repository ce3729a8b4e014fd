#include "paybackmodel/payback_months.h"

#include "foundation/numbers.h"

#include <cmath>

namespace rac::paybackmodel {

std::optional<float> CalcPaybackMonths(double price, float yearlySaving) {
    if (yearlySaving == 0.0f) {
        return std::nullopt;
    }
    const float months = numbers::store(price / numbers::widen(yearlySaving) * 12.0);
    if (!std::isfinite(months)) {
        return std::nullopt;
    }
    return months;
}

} // namespace rac::paybackmodel
