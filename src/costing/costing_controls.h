#pragma once

#include "coil/current_coil.h"
#include "platform/form.h"

#include <array>
#include <cstddef>

// The controls of frmCosting that its rules work with, found by name once, when the form is
// built.
namespace rac::costing {

// The casing, block and sub-total of one coil.
struct CostingSide {
    CostingSide(platform::Form& form, coil::CoilSide side);

    platform::Control& casingStyle;
    platform::Control& casingMaterial;
    platform::Control& drainpan;
    platform::Control& drainpanMaterial;
    platform::Control& casingDepthSelect;
    platform::Control& casingDepth;
    // The option boxes, in the order of layout::kOptionBoxes.
    std::array<platform::Control*, 10> options;
    platform::Control& eliminators;
    platform::Control& stiffeners;
    platform::Control& nutserts;
    platform::Control& gam;
    platform::Control& thickTube;
    platform::Control& ventDrain;
    platform::Control& testPoints;
    platform::Control& blygold;
    platform::Control& etam;
    platform::Control& preTinnedFins;
    platform::Control& brazeMat;
    platform::Control& connectionFlanges;
    platform::Control& welded;
    platform::Control& screwed;
    platform::Control& coilCode;
    platform::Control& sellPrice;
    platform::Control& totalWeight;
    platform::Control& internalVolume;
};

struct CostingControls {
    explicit CostingControls(platform::Form& form);

    const CostingSide& side(coil::CoilSide which) const {
        return sides[static_cast<std::size_t>(which)];
    }

    std::array<CostingSide, 2> sides; // supply, extract
    platform::Control& totalSterling;
    platform::Control& totalForeign;
    platform::Control& totalForeignLabel;
    platform::Control& totalWeight;
    platform::Control& totalInternalVolume;
    platform::Control& grossMarginTick;
    platform::Control& grossMargin;
    platform::Control& country;
    platform::Control& energyCostLabel;
    platform::Control& energyCost;
    platform::Control& exchangeRateLabel;
    platform::Control& exchangeRate;
    platform::Control& runHoursLabel;
    platform::Control& runHours;
    platform::Control& paybackDesign;
    platform::Control& binPayback;
    platform::Control& binData;
    platform::Control& selectedBinCountry;
    platform::Control& annualEnergySaving;
    platform::Control& annualCostSavingLabel;
    platform::Control& annualCostSaving;
    platform::Control& payback;
    platform::Control& calculateButton;
    platform::Control& breakdownButton;
    platform::Control& printButton;
    platform::Control& reportTool; // on the toolbar
};

} // namespace rac::costing
