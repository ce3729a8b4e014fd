#include "costing_fixture.h"

#include "mainscreen/side_names.h"

namespace rac::costing::testing_support {

using mainscreen::sided;

void CostingScreen::reopenOn(coil::CoilSide side, const MainCoil& coil) {
    costing.Close();
    const auto put = [&](std::string_view name, const std::optional<std::string>& text) {
        if (text) {
            main.at(name).setText(*text);
        }
    };
    // Entries first: changing one blanks the results, which are then shown as given.
    put(sided("cmbFinMatType", side), coil.finType);
    put(sided("txtTubesHigh", side), coil.tubesHigh);
    put(sided("txtFinnedLength", side), coil.finnedLength);
    put(sided("txtNumberSections", side), coil.sections);
    if (coil.finDensity) {
        platform::Control& list = main.at(sided("cmbFinDensity", side));
        list.clearItems();
        list.addItem(*coil.finDensity);
        list.setListIndex(0);
    }
    put(sided("cmbCircuitType", side), coil.circuitType);
    put(sided("txtNumberRows", side), coil.rows);
    put(side == coil::CoilSide::Supply ? "txtFluidT1" : "txtFluidT2", coil.fluid);
    put(sided("txtConnectionSize", side), coil.connectionSize);
    costing.Open();
    services.messages.clear();
}

::testing::AssertionResult outputsCleared(const platform::Form& costing) {
    for (const std::string_view name :
         {"txtSellPriceSupply", "txtTotalWeightSupply", "txtInternalVolumeSupply",
          "txtSellPriceExtract", "txtTotalWeightExtract", "txtInternalVolumeExtract",
          "txtTotalRACExWorksPriceSterling", "txtTotalRACExWorksPriceForeign", "txtTotalRACWeight",
          "txtTotalRACInternalVolume", "txtAnnualEnergySaving", "txtAnnualEnergyCostSaving",
          "txtPayBackCost"}) {
        if (!costing.at(name).text().empty()) {
            return ::testing::AssertionFailure()
                   << name << " shows \"" << costing.at(name).text() << '"';
        }
    }
    if (costing.at("cmdPrint").enabled() || costing.at("Toolbar1(1)").enabled()) {
        return ::testing::AssertionFailure() << "printing is offered";
    }
    return ::testing::AssertionSuccess();
}

} // namespace rac::costing::testing_support
