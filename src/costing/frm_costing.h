#pragma once

#include "calculation/calc_context.h"
#include "costing/costing_controls.h"
#include "costing/costing_shell.h"
#include "costing/costing_state.h"
#include "mainscreen/main_controls.h"
#include "platform/form.h"
#include "platform/services.h"

#include <string_view>

namespace rac::costing {

// The costing screen: prices the pair the main screen has just calculated, per coil with its
// casing, drain pan, braze material and options, for the pair with the country and the gross
// margin, and ends with the payback at design conditions or over the weather bins of a location.
// Every result is cleared as soon as an input changes.
class FrmCosting final : public platform::Form {
  public:
    FrmCosting(platform::Services services, calculation::CalcContext& calc, CostingState& state,
               bool& costingDone, CostingShell& shell);

    // The main screen's Costing command: the coil codes copied over (the screen loading first),
    // the costing screen shown and the main screen hidden.
    void Open();
    // Close, the close box and any change of calculation mode: the payback settings saved, the
    // main screen's costing and summary commands withdrawn and the main screen shown, the costing
    // discarded. Nothing happens when the screen is not loaded.
    void Close();

    // Empties every result and withdraws printing (costing_outputs.cpp).
    void ClearCostingOutputs();
    // The Calculate command (calculate_cost.cpp).
    void CalculateCost();
    // Checks the gross margin and the non-standard casing depths; on the first failure shows
    // why, puts the focus into the box and sets CalcAbort (costing_checks.cpp).
    void ValidateCostingInputs();
    // Checks the payback inputs and works out the payback by the method chosen; on the first
    // failure shows why, empties the box, puts the focus into it and sets CalcAbort
    // (costing_checks.cpp).
    void ValidatePaybackInputs();
    // The country, energy cost and exchange rate into the settings store (payback_frame.cpp).
    void SavePaybackSettings();
    // The country's currency, energy cost and exchange rate (country_display.cpp).
    void ApplyCountry();
    // The Additional Information password was accepted: the breakdown and the gross margin are
    // revealed, and the gross margin shows the price table's.
    void RevealAdditionalInformation();
    // An image of the window on the default printer; a failure ends it silently.
    void PrintWindow();
    // The program's help at the costing topic.
    void ShowHelp();

  private:
    using Side = coil::CoilSide;

    // frm_costing.cpp
    void wireEvents();
    void wireSide(Side side);
    void toolbarClicked(const platform::Control& button);
    void closeDown();
    const CostingSide& side(Side which) const { return ui_.side(which); }
    const mainscreen::CoilBlock& mainCoil(Side which) const { return main_.block(which); }
    // The loop fluid entering the coil, as the main screen shows it (T1 supply, T2 extract).
    double fluidTemperature(Side which) const;
    bool hotFluid(Side which) const;
    void tell(std::string_view title, std::string_view text);

    // costing_load.cpp
    void loadScreen();
    void populateSide(Side which);
    void loadCountry();

    // costing_options.cpp
    void casingMaterialClicked(Side which);
    void casingStyleLeft(Side which);
    void drainpanClicked(Side which);
    void casingDepthModeClicked(Side which);
    void casingDepthChanged(Side which);
    void connectionFlangesClicked(Side which);
    void grossMarginTicked();
    void showPriceTableMargin();
    void choosePaybackDesign();
    void chooseBinPayback();
    void selectBinData();

    // calculate_cost.cpp
    void costCoil(Side which);
    void readCoil(Side which);
    void showCoil(Side which);
    void showEliminatorPressureDrop(Side which);
    void showTotals();
    std::optional<double> enteredGrossMargin() const;

    // payback_frame.cpp
    void showDesignPayback();
    void showBinPayback();
    void selectDefaultBinLocation();

    platform::Services services_;
    calculation::CalcContext& calc_;
    CostingState& state_;
    bool& costingDone_;
    CostingShell& shell_;
    const mainscreen::MainControls main_;
    const CostingControls ui_;
    // The costing writes the depth in use into a depth box the user may edit: that is no change
    // of the inputs.
    bool showingResults_ = false;
};

} // namespace rac::costing
