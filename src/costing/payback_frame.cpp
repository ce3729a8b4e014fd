#include "costing/frm_costing.h"
#include "foundation/numbers.h"
#include "payback/frm_bin_data_results.h"
#include "payback/frm_select_bin_data.h"
#include "paybackmodel/bin_payback.h"
#include "paybackmodel/default_location.h"
#include "paybackmodel/design_payback.h"

namespace rac::costing {

using numbers::Pattern;
using platform::MousePointer;

namespace {

std::string whole(float value) {
    return numbers::format(numbers::widen(value), Pattern::Whole);
}

} // namespace

// The design duty saved over the yearly running hours, paid for by the local price. Without a
// saving there is no payback to show, rather than a division by zero.
void FrmCosting::showDesignPayback() {
    paybackmodel::DesignPaybackInputs inputs;
    inputs.DutyWatts = calc_.data.DutyWattsSupply;
    inputs.RunningHours = numbers::leadingNumber(ui_.runHours.text());
    inputs.EnergyCost = numbers::leadingNumber(ui_.energyCost.text());
    inputs.LocalPrice = numbers::leadingNumber(ui_.totalForeign.text());
    const paybackmodel::DesignPayback payback = paybackmodel::CalcDesignPayback(inputs);
    ui_.annualEnergySaving.setText(whole(payback.AnnualEnergySaving));
    ui_.annualCostSaving.setText(whole(payback.AnnualEnergyCostSaving));
    ui_.payback.setText(payback.PaybackMonths ? whole(*payback.PaybackMonths) : "N/A");
}

// The design duty scaled to each weather bin of the loaded location, bin by bin in the results
// window, and its totals and payback here. The season of a bin follows the extract air on
// temperature the main screen shows now; the scaling, the last calculation's.
void FrmCosting::showBinPayback() {
    setMousePointer(MousePointer::Wait);
    services_.events.processPendingEvents();
    payback::PaybackShell& windows = shell_.Payback();
    paybackmodel::BinPaybackInputs inputs;
    inputs.DutyWatts = calc_.data.DutyWattsSupply;
    inputs.DBExtractOn = calc_.data.DBExtractOn;
    inputs.DBSupplyOn = calc_.data.DBSupplyOn;
    inputs.ExtractOnShown = numbers::leadingNumber(main_.dbExtractOn.text());
    inputs.EnergyCost = numbers::leadingNumber(ui_.energyCost.text());
    inputs.LocalPrice = numbers::leadingNumber(ui_.totalForeign.text());
    const paybackmodel::BinTables& bins = windows.SelectBinData().Bins();
    const paybackmodel::BinPayback payback = paybackmodel::CalcBinPayback(inputs, bins);

    payback::FrmBinDataResults& results = windows.BinDataResults();
    results.ShowBinPayback(bins, payback, ui_.totalForeign.text());
    ui_.payback.setText(results.PaybackText());
    ui_.annualEnergySaving.setText(whole(payback.SavingKWhTotal));
    ui_.annualCostSaving.setText(whole(payback.SavingCashTotal));
    setMousePointer(MousePointer::Normal);
    services_.events.processPendingEvents();
    results.show();
}

// The location list moved to the country's location, whose bins it loads, and its name shown.
void FrmCosting::selectDefaultBinLocation() {
    payback::FrmSelectBinData& locations = shell_.Payback().SelectBinData();
    if (const auto position = paybackmodel::DefaultBinLocation(ui_.country.listIndex())) {
        locations.SelectLocation(*position);
    }
    ui_.selectedBinCountry.setText(locations.LocationName());
}

void FrmCosting::SavePaybackSettings() {
    services_.settings.write("PaybackCalc", "Country", std::to_string(ui_.country.listIndex()));
    services_.settings.write("PaybackCalc", "EnergyCost", ui_.energyCost.text());
    services_.settings.write("PaybackCalc", "ExchangeRate", ui_.exchangeRate.text());
}

} // namespace rac::costing
