#include "costing/frm_costing.h"
#include "costing/option_lists.h"
#include "costmodel/countries.h"
#include "costmodel/sheet_materials.h"
#include "foundation/numbers.h"
#include "mainscreen/option_lists.h"
#include "mainscreen/side_names.h"
#include "platform/settings_store.h"

#include <algorithm>
#include <array>

// The Load of frmCosting: each coil's options as the coil allows, then the country and the
// payback settings kept from the last costing.
namespace rac::costing {

using platform::Control;

namespace {

constexpr std::array<std::string_view, 4> kCopperFins{"Copper 0.25 louvre", "Copper 0.15 louvre",
                                                      "Copper 0.25 rippled", "Copper 0.15 rippled"};
// The connections an Economy casing takes.
constexpr std::array<std::string_view, 5> kEconomyConnections{"15mm", "22mm", "½ inch", "¾ inch",
                                                              "1 inch"};

template <std::size_t N>
bool among(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

void offerNot(Control& option) {
    option.setValue(0);
    option.setEnabled(false);
}

} // namespace

void FrmCosting::loadScreen() {
    for (const Side which : mainscreen::kBothSides) {
        populateSide(which);
    }
    loadCountry();
}

void FrmCosting::populateSide(Side which) {
    const CostingSide& fields = side(which);
    const mainscreen::CoilBlock& coil = mainCoil(which);
    const double rows = numbers::leadingNumber(coil.numberRows.text());
    const double fluid = fluidTemperature(which);
    const bool hot = hotFluid(which);

    const bool copperFins = among(kCopperFins, coil.finMatType.text());
    for (Control* option : {&fields.etam, &fields.preTinnedFins}) {
        if (copperFins) {
            option->setEnabled(true);
        } else {
            offerNot(*option);
        }
    }
    fields.blygold.setEnabled(coil.finDensity.text() != "0");
    if (hot) {
        fields.thickTube.setValue(1);
        fields.thickTube.setEnabled(false);
        for (Control* option : {&fields.eliminators, &fields.ventDrain, &fields.testPoints}) {
            offerNot(*option);
        }
    }

    // An Economy casing suits only a small coil on a cool loop with a small connection.
    const bool economy = rows < 3 && numbers::leadingNumber(coil.tubesHigh.text()) <= 23 &&
                         numbers::leadingNumber(coil.finnedLength.text()) <= 2000 && fluid < 115 &&
                         among(kEconomyConnections, coil.connectionSize.text());
    fields.casingStyle.clearItems();
    fields.casingStyle.addItems(economy ? CasingStyles() : CasingStylesButEconomy());
    fields.casingStyle.setListIndex(0);
    fields.casingMaterial.setListIndex(0);

    // A drain pan under the coil that cools its air. With both air streams at the same
    // temperature neither cools the other, and neither coil gets one.
    const double supplyOn = numbers::leadingNumber(main_.dbSupplyOn.text());
    const double extractOn = numbers::leadingNumber(main_.dbExtractOn.text());
    const bool cools = which == Side::Supply ? supplyOn > extractOn : supplyOn < extractOn;
    fields.drainpan.setText(cools ? "Standard Flat" : "None");
    if (cools) {
        mainscreen::refill(fields.drainpanMaterial, SheetMaterials(), fields.casingMaterial.text());
    } else {
        mainscreen::refill(fields.drainpanMaterial, NoDrainpanMaterials(),
                           costmodel::kNoDrainpanMaterial);
    }

    fields.casingDepthSelect.setText("Standard");
    fields.brazeMat.setText(hot ? "Phos 5" : "Phos 0");
    for (Control* option : {&fields.stiffeners, &fields.nutserts, &fields.gam}) {
        option->setValue(0);
    }
    if (fields.casingStyle.text() == "Economy") {
        fields.ventDrain.setValue(0);
    }
    for (Control* result : {&fields.sellPrice, &fields.totalWeight, &fields.internalVolume}) {
        result->setText("");
    }
}

// The United Kingdom first, then the country kept from the last costing
// with its energy cost and exchange rate. Without a usable country nothing kept is applied: the
// rates belong to the country they were kept with.
void FrmCosting::loadCountry() {
    Control& country = ui_.country;
    country.setListIndex(0);
    const int stored =
        platform::readWholeNumber(services_.settings, "PaybackCalc", "Country", -1, 0,
                                  static_cast<int>(costmodel::kCountries.size()) - 1);
    if (stored < 0) {
        return;
    }
    country.setListIndex(stored);
    // A value not kept leaves the country's own default.
    ui_.energyCost.setText(
        services_.settings.read("PaybackCalc", "EnergyCost", ui_.energyCost.text()));
    // The United Kingdom's rate is fixed at 1 and hidden: nothing kept may change it.
    if (ui_.exchangeRate.visible()) {
        ui_.exchangeRate.setText(
            services_.settings.read("PaybackCalc", "ExchangeRate", ui_.exchangeRate.text()));
    }
}

} // namespace rac::costing
