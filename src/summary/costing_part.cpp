#include "mainscreen/side_names.h"
#include "summary/currency_words.h"
#include "summary/sections.h"

#include <string_view>

namespace rac::summary {

namespace {

using coil::CoilSide;
using mainscreen::sided;

std::string heading(CoilSide side, std::string_view what) {
    return (side == CoilSide::Supply ? "SUPPLY " : "EXTRACT ") + std::string(what);
}

// A line whose unit is "N/A" too while no costing is current.
void quantity(LineTable& table, const CostingReader& costing, std::string label,
              std::string_view control, std::string_view unit) {
    const bool current = costing.current();
    table.line(std::move(label), costing.text(control),
               std::string(current ? unit : kNotAvailable));
}

void writeCasing(LineTable& table, const CostingReader& costing, CoilSide side) {
    const auto control = [side](std::string_view base) { return sided(base, side); };
    table.line(heading(side, "CASING"));
    table.line("Casing Style:", costing.text(control("cmbCasingStyle")));
    table.line("Casing Mat:", costing.text(control("cmbCasingMaterial")));
    const std::string drainpan = costing.text(control("cmbDrainpan"));
    if (costing.current() && drainpan != "None") {
        table.line("Drainpan:", drainpan);
        table.line("Drainpan Mat:", costing.text(control("cmbDrainpanMaterial")));
    }
    table.line("Casing Depth:", costing.text(control("txtCasingDepth")));
    for (const std::string_view option : {"Eliminators", "Stiffeners", "Nutserts"}) {
        if (costing.chosen(control("chk" + std::string(option)))) {
            table.line(std::string(option));
        }
    }
    if (costing.chosenAndShown(control("chkGAM"))) {
        table.line("GAM");
    }
    table.emptyLine();
}

void writeBlock(LineTable& table, const CostingReader& costing, CoilSide side) {
    const auto control = [side](std::string_view base) { return sided(base, side); };
    struct Option {
        std::string_view checkBox;
        std::string_view label;
    };
    static constexpr Option options[] = {
        {"chkThickTube", "Thick Tube Wall"},
        {"chkVentDrain", "Vent/Drain"},
        {"chkTestPoints", "Test Points"},
        {"chkBlygold", "Blygold"},
        {"chkETAM", "ETAM"},
        {"chkPreTinnedCopperFins", "Pre Tinned Fins"},
    };
    table.line(heading(side, "BLOCK"));
    for (const Option& option : options) {
        if (costing.chosenAndShown(control(option.checkBox))) {
            table.line(std::string(option.label));
        }
    }
    table.line("Braze Mat:", costing.text(control("cmbBrazeMat")));
    if (costing.chosen(control("chkConnectionFlanges"))) {
        table.line("Conn Flanges");
        table.line("Flange Type:", costing.chosen(control("optWelded"))    ? "Welded"
                                   : costing.chosen(control("optScrewed")) ? "Screwed"
                                                                           : "");
    }
    table.emptyLine();
}

void writeSubTotal(LineTable& table, const CostingReader& costing, CoilSide side) {
    table.line(heading(side, "COIL SUB-TOTAL"));
    quantity(table, costing, "Weight:" + std::string(9, ' '), sided("txtTotalWeight", side), "Kg");
    quantity(table, costing, "Internal Volume:", sided("txtInternalVolume", side), "litres");
    quantity(table, costing, "Ex-Works Price:", sided("txtSellPrice", side), "£");
    table.emptyLine();
}

void writePayback(LineTable& table, const CostingReader& costing, std::string_view currency) {
    const bool current = costing.current();
    table.line("PAYBACK CALCULATION");
    table.line("Country:" + std::string(7, ' '), costing.text("cmbCountry"));
    quantity(table, costing, "Exchange Rate:", "txtExchangeRate", "#/£");
    quantity(table, costing, "Energy Costs:", "txtEnergyCost", "#/kWh");
    // The hours show in both methods: with bin data, the last text of the hidden field.
    table.line("Running Hrs:", costing.text("txtAnnualRunHours"));
    table.line("Payback:", !current                             ? std::string(kNotAvailable)
                           : costing.chosen("optPaybackDesign") ? "For Design Conditions"
                                                                : "Using Bin Data");
    table.line("Bin Country:", costing.chosen("optBinPayback")
                                   ? costing.text("txtSelectedBinCountry")
                                   : std::string(kNotAvailable));
    quantity(table, costing, "Energy Saving:", "txtAnnualEnergySaving", "kWh");
    quantity(table, costing, "Energy Saving:", "txtAnnualEnergyCostSaving", currency);
    quantity(table, costing, "Payback Period:", "txtPayBackCost", "Months");
    table.emptyLine();
}

void writeTotals(LineTable& table, const CostingReader& costing, std::string_view currency) {
    table.line("RUN AROUND COIL TOTAL");
    quantity(table, costing, "Total Weight:", "txtTotalRACWeight", "Kg");
    quantity(table, costing, "Internal Volume:", "txtTotalRACInternalVolume", "litres");
    quantity(table, costing, "Ex-Works Price:", "txtTotalRACExWorksPriceSterling", "£");
    quantity(table, costing, "Ex-Works Price:", "txtTotalRACExWorksPriceForeign", currency);
}

} // namespace

void writeCosting(LineTable& table, const CostingReader& costing) {
    for (const CoilSide side : mainscreen::kBothSides) {
        writeCasing(table, costing, side);
    }
    for (const CoilSide side : mainscreen::kBothSides) {
        writeBlock(table, costing, side);
    }
    for (const CoilSide side : mainscreen::kBothSides) {
        writeSubTotal(table, costing, side);
    }
    const std::string_view currency = currencyWord(costing.text("cmbCountry"));
    writePayback(table, costing, currency);
    writeTotals(table, costing, currency);
}

} // namespace rac::summary
