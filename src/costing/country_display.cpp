#include "costing/frm_costing.h"
#include "costmodel/countries.h"
#include "foundation/numbers.h"

#include <string>

namespace rac::costing {

namespace {

constexpr std::size_t kUnitedKingdom = 0;

} // namespace

// The country's currency in the payback labels, its energy cost and exchange rate, the local
// total shown for any country but the United Kingdom, and the country's bin location.
void FrmCosting::ApplyCountry() {
    const int position = ui_.country.listIndex();
    if (position < 0) {
        return;
    }
    const auto index = static_cast<std::size_t>(position);
    const costmodel::Country& country = costmodel::kCountries.at(index);
    const std::string currency(country.currency);
    ui_.energyCostLabel.setCaption("Energy Cost (" + currency + "/kWh)");
    ui_.annualCostSavingLabel.setCaption("Annual Energy Saving (" + currency + ")");

    const bool home = index == kUnitedKingdom;
    ui_.energyCost.setText(home ? "0.03" : "");
    ui_.exchangeRateLabel.setVisible(!home);
    ui_.exchangeRate.setVisible(!home);
    ui_.exchangeRate.setText(home ? "1" : numbers::shortestText(country.defaultExchangeRate));
    ui_.totalForeign.setVisible(!home);
    ui_.totalForeignLabel.setVisible(!home);
    if (!home) {
        ui_.totalForeignLabel.setCaption("Ex-Works Price (" + currency + ")");
    }
    selectDefaultBinLocation();
    ClearCostingOutputs();
}

} // namespace rac::costing
