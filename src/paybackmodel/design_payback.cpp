#include "paybackmodel/design_payback.h"

#include "foundation/numbers.h"
#include "paybackmodel/payback_months.h"

namespace rac::paybackmodel {

using numbers::store;
using numbers::widen;

DesignPayback CalcDesignPayback(const DesignPaybackInputs& inputs) {
    DesignPayback result;
    result.AnnualEnergySaving = store(widen(inputs.DutyWatts) / 1000.0 * inputs.RunningHours);
    result.AnnualEnergyCostSaving = store(widen(result.AnnualEnergySaving) * inputs.EnergyCost);
    result.PaybackMonths = CalcPaybackMonths(inputs.LocalPrice, result.AnnualEnergyCostSaving);
    return result;
}

} // namespace rac::paybackmodel
