#pragma once

#include "payback/bin_grid.h"
#include "payback/payback_shell.h"
#include "paybackmodel/bin_payback.h"
#include "platform/form.h"
#include "platform/services.h"

#include <string>
#include <string_view>
#include <vector>

namespace rac::payback {

// The results window of the bin payback: each bin's weather and savings on a row coloured by
// its season, the totals, the coil cost and the payback in months. Made on the first bin payback,
// which fills it, and filled again by every later one; Close discards it.
class FrmBinDataResults final : public platform::Form {
  public:
    FrmBinDataResults(platform::Services services, PaybackShell& shell);

    // The bin payback, the bins it was worked over and the coil cost as the costing screen shows
    // it, written into the window (which is loaded first, hidden). No payback shows "N/A".
    void ShowBinPayback(const paybackmodel::BinTables& bins,
                        const paybackmodel::BinPayback& payback, std::string_view coilCost);
    // The payback as the window shows it, which the costing screen takes over.
    const std::string& PaybackText() const { return payback_.text(); }
    // Each bin's savings as the grid shows them, which the savings chart draws.
    const BinCells& SavingKWh() const { return savingKWh_; }
    const BinCells& SavingCash() const { return savingCash_; }

  private:
    const WeatherColumns weather_;
    const BinCells savingKWh_;
    const BinCells savingCash_;
    platform::Control& kWhTotal_;
    platform::Control& cashTotal_;
    platform::Control& coilCostLabel_;
    platform::Control& coilCost_;
    platform::Control& payback_;
    const platform::Control& country_; // the costing screen's
};

// The row colour of each season: light red for a heating bin, light blue for a cooling one,
// white for neither.
platform::Colour SeasonColour(paybackmodel::Season season);

// Every box of the results window in screen order, column by column (txtBinDB(1) ...
// txtSavingCash(10)), then the totals, the coil cost and the payback.
const std::vector<std::string>& BinResultControls();

// The season each row's colour shows, bins 1 to 10 ("Heating", "Cooling" or "Neither").
std::vector<std::string_view> RowSeasons(const platform::Form& results);

} // namespace rac::payback
