#pragma once

#include "calculation/calc_context.h"
#include "calculation/run_around_data.h"
#include "coil/current_coil.h"
#include "mainscreen/main_controls.h"
#include "mainscreen/main_shell.h"
#include "mainscreen/validation.h"
#include "platform/form.h"
#include "platform/services.h"

#include <string>
#include <string_view>

namespace rac::mainscreen {

// The main screen: the request of one run-around calculation, its results, and the rules that
// keep the two consistent. The calculation mode lives only in the checked menu entries.
class FrmMain final : public platform::Form {
  public:
    FrmMain(platform::Services services, calculation::CalcContext& ctx, MainShell& shell);

    // Calculation mode and target (modes.cpp). Each switches which fields are entries and which
    // are results, and blanks what no longer applies.
    void SetSelectionMode();
    void SetRatingMode();
    void SetDryMode();
    void SetAirOffDBMode();
    void SetEffectivenessMode();
    void SetDutyMode();
    bool selectionMode() const;
    // The checked target; meaningful in Selection mode.
    calculation::Target target() const;

    // Blanks every result and withdraws the Costing command (clear_results.cpp).
    void ClearResults();
    // Colours the duct of the colder air stream red and the warmer blue (schematic.cpp).
    void ShowDuctColours();
    // Checks every entry the mode uses; on the first failure shows why, puts the focus back
    // into the field and sets CalcAbort (validation.cpp).
    void ValidateInputs();
    // The Calculate command (calculate_command.cpp).
    void Calculate();
    // Ends the program at once, closing every window of it.
    void ExitApplication();
    // An image of the window on the default printer; a failure ends it silently.
    void PrintWindow();
    // The help file at its contents.
    void ShowHelp();

  private:
    using Side = coil::CoilSide;

    // frm_main.cpp
    void wireEvents();
    void wireCoilBlock(Side side);
    void toolbarClicked(const platform::Control& button);
    platform::Control& sideControl(std::string_view base, Side side);
    const CoilBlock& block(Side side) const { return ui_.block(side); }
    void tell(std::string title, std::string text);

    // main_load.cpp
    void loadScreen();
    void applyStartStyles();
    void applyStartMode();

    // modes.cpp
    void selectTarget(calculation::Target chosen);
    platform::Control& targetField(calculation::Target target) const;
    void showMaximumFluidPDs(bool shown);
    // After a switch of mode: the focus goes to the first entry when its box is no longer one.
    void keepFocusOnAnEntry();

    // clear_results.cpp: an entry changed by anything but the showing of results (which writes
    // into some entries, such as the fin density list) clears the results.
    void clearResultsOnEntryChange(const platform::Control& control);

    // coil_options.cpp
    void tubeDiameterClicked(Side side);
    void finTypeClicked(Side side);
    void finDensityModeClicked(Side side);
    void circuitModeClicked(Side side);
    void tubesHighChanged(Side side);
    void tubesHighLeft(Side side);
    void finnedHeightLeft(Side side);
    void setFinnedHeightFromTubes(Side side, double tubesHigh);

    // entry_checks.cpp
    void maxFluidPDChanged(Side side);
    // Shows why the entry is refused, puts the focus back into it and sets CalcAbort.
    void rejectEntry(platform::Control& field, std::string_view title, std::string_view text);

    // validation.cpp
    bool checkRuns(validation::Applies applies) const;
    bool passesNumberCheck(const validation::NumberCheck& check);
    bool passesCircuitCheck(Side side);
    bool passesAirTemperatureCheck();

    // calculate_command.cpp
    void readRequest();

    // result_display.cpp
    void showResults();
    void showTargetAirSide();
    void showSelectedCoil(Side side);
    void showRatedPair();
    void showFaceVelocities();
    void showTotalFluidPD();

    // schematic.cpp
    void animateSchematic();
    void resetSchematic();

    platform::Services services_;
    calculation::CalcContext& ctx_;
    MainShell& shell_;
    const MainControls ui_;
    bool showingResults_ = false;
};

} // namespace rac::mainscreen
