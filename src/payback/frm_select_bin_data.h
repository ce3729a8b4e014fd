#pragma once

#include "payback/bin_grid.h"
#include "payback/payback_shell.h"
#include "paybackmodel/bin_tables.h"
#include "platform/form.h"
#include "platform/services.h"

#include <string>

namespace rac::payback {

// The location window: the thirteen locations, the loaded location's bins, and the choice of
// location for the costing screen. Picking a location loads its bins into the program's bin
// tables. Made the first time the costing screen touches it, it lives as long as the program:
// "Use Selected Bin Data" and the close box only hide it.
class FrmSelectBinData final : public platform::Form {
  public:
    FrmSelectBinData(platform::Services services, paybackmodel::BinTables& bins,
                     PaybackShell& shell);

    // Moves the location list to the position, loading that location (and the window first).
    void SelectLocation(int position);
    // "Use Selected Bin Data": the window hidden, the costing screen shown the location's name,
    // the list position kept in the settings.
    void UseSelectedBinData();
    // The name of the location the list shows.
    const std::string& LocationName() const { return location_.text(); }
    // The loaded location's bins, which the bin payback reads.
    const paybackmodel::BinTables& Bins() const { return bins_; }
    // The grid, whose texts the charts show.
    const WeatherColumns& Grid() const { return grid_; }

  private:
    void loadScreen();
    void LoadBinData();

    platform::Services services_;
    paybackmodel::BinTables& bins_;
    PaybackShell& shell_;
    platform::Control& location_;
    const WeatherColumns grid_;
    platform::Control& selectedBinCountry_; // the costing screen's
};

} // namespace rac::payback
