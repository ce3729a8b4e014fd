#include "costing/frm_costing.h"
#include "foundation/numbers.h"
#include "paybackmodel/design_payback.h"

namespace rac::costing {

using numbers::Pattern;

// The design duty saved over the yearly running hours, paid for by the local price. Without a
// saving there is no payback to show, rather than a division by zero.
void FrmCosting::showDesignPayback() {
    paybackmodel::DesignPaybackInputs inputs;
    inputs.DutyWatts = calc_.data.DutyWattsSupply;
    inputs.RunningHours = numbers::leadingNumber(ui_.runHours.text());
    inputs.EnergyCost = numbers::leadingNumber(ui_.energyCost.text());
    inputs.LocalPrice = numbers::leadingNumber(ui_.totalForeign.text());
    const paybackmodel::DesignPayback payback = paybackmodel::CalcDesignPayback(inputs);
    ui_.annualEnergySaving.setText(
        numbers::format(numbers::widen(payback.AnnualEnergySaving), Pattern::Whole));
    ui_.annualCostSaving.setText(
        numbers::format(numbers::widen(payback.AnnualEnergyCostSaving), Pattern::Whole));
    ui_.payback.setText(
        payback.PaybackMonths
            ? numbers::format(numbers::widen(*payback.PaybackMonths), Pattern::Whole)
            : "N/A");
}

void FrmCosting::SavePaybackSettings() {
    services_.settings.write("PaybackCalc", "Country", std::to_string(ui_.country.listIndex()));
    services_.settings.write("PaybackCalc", "EnergyCost", ui_.energyCost.text());
    services_.settings.write("PaybackCalc", "ExchangeRate", ui_.exchangeRate.text());
}

} // namespace rac::costing
