#pragma once

#include "coil/current_coil.h"
#include "platform/form.h"

#include <array>
#include <cstddef>

// The controls of frmMain that its rules work with, found by name once, when the form is built:
// the rules run at every keystroke, and most of them touch a dozen controls.
namespace rac::mainscreen {

// The fields of one coil (supply or extract): its block and its air volume and face velocity.
struct CoilBlock {
    CoilBlock(platform::Form& form, coil::CoilSide side);

    platform::Control& tubeDiameter;
    platform::Control& finMatType;
    platform::Control& finDensitySelect;
    platform::Control& finDensity;
    platform::Control& circuitTypeSelect;
    platform::Control& circuitType;
    platform::Control& tubesHigh;
    platform::Control& finnedHeight;
    platform::Control& finnedLength;
    platform::Control& numberSections;
    platform::Control& numberRows;
    platform::Control& coilCode;
    platform::Control& connectionSize;
    platform::Control& airPD;
    platform::Control& actualFluidPD;
    platform::Control& fluidMaxPD;
    platform::Control& airVolume;
    platform::Control& faceVelocity;
};

struct MainControls {
    explicit MainControls(platform::Form& form);

    const CoilBlock& block(coil::CoilSide side) const {
        return blocks[static_cast<std::size_t>(side)];
    }

    std::array<CoilBlock, 2> blocks; // supply, extract
    platform::Control& dbSupplyOn;
    platform::Control& dbSupplyOff;
    platform::Control& dbExtractOn;
    platform::Control& dbExtractOff;
    platform::Control& effectiveness;
    platform::Control& duty;
    platform::Control& fluidT1;
    platform::Control& fluidT2;
    platform::Control& fluidFlowRate;
    platform::Control& glycolSelect;
    platform::Control& glycol;
    platform::Control& totalMaxPD;
    platform::Control& totalActualPD;
    platform::Control& maxFluidPDLabel;
    platform::Control& calculateButton;
    platform::Control& costingButton;
    platform::Control& printButton;
    platform::Control& costingTool;      // on the toolbar
    platform::Control& printSummaryTool; // on the toolbar
    platform::Control& modePanel;
    platform::Control& targetPanel;
    platform::Control& selectionMenu;
    platform::Control& ratingMenu;
    platform::Control& targetsMenu; // the menu holding the three targets
    platform::Control& airOffDBMenu;
    platform::Control& effectivenessMenu;
    platform::Control& dutyMenu;
    platform::Control& supplyDuct;
    platform::Control& extractDuct;
    platform::Control& timer;
};

} // namespace rac::mainscreen
