#include "mainscreen/identity.h"
#include "mainscreen/main_layout.h"
#include "mainscreen/side_names.h"
#include "summary/sections.h"

#include <array>

namespace rac::summary {

namespace {

using coil::CoilSide;
using mainscreen::sided;

std::string spaces(std::size_t count) {
    return std::string(count, ' ');
}

// One quantity at the four air states, in columns under the SUPPLY ON ... EXTRACT OFF heading.
std::string airStates(const platform::Form& main, std::string_view quantity,
                      const std::array<std::size_t, 3>& gaps) {
    const std::string_view states[] = {"SupplyOn", "SupplyOff", "ExtractOn", "ExtractOff"};
    std::string text;
    for (std::size_t state = 0; state < 4; ++state) {
        if (state > 0) {
            text.append(gaps[state - 1], ' ');
        }
        text += main.at(std::string(quantity) + std::string(states[state])).text();
    }
    return text;
}

void writeAirSide(LineTable& table, const platform::Form& main) {
    const auto field = [&](std::string_view name) { return main.at(name).text(); };
    const std::string modePanel =
        "StatusBar1(" + std::to_string(mainscreen::layout::kModePanel) + ")";
    table.line("ZYL RAC SELECTION/RATING SUMMARY");
    table.line("Version Number:" + spaces(15) + mainscreen::versionText());
    table.line("Mode:" + spaces(36) + field(modePanel));
    table.line(rule());
    table.line(spaces(19), "SUPPLY ON" + spaces(10) + "SUPPLY OFF" + spaces(10) + "EXTRACT ON" +
                               spaces(10) + "EXTRACT OFF");
    table.line("Dry Bulb:" + spaces(7), airStates(main, "txtDB", {29, 29, 29}), spaces(6) + "°C");
    table.line("Wet Bulb:" + spaces(7), airStates(main, "txtWB", {25, 27, 27}), spaces(6) + "°C");
    table.line("RH:" + spaces(12), airStates(main, "txtRH", {25, 27, 27}), spaces(6) + "%");
    table.emptyLine();
    table.line("Supply Air Vol: ", field("txtAirVolSupply"), "m³/s");
    table.line("Supply Face Vel: ", field("txtAirVelSupply"), "m/s");
    table.line("Extract Air Vol: ", field("txtAirVolExtract"), "m³/s");
    table.line("Extract Face Vel: ", field("txtAirVelExtract"), "m/s");
    table.emptyLine();
    table.line("Effectiveness:" + spaces(2), field("txtEffectiveness"), "%");
    table.line("Duty:" + spaces(7), field("txtDuty"), "kW");
    table.emptyLine();
}

void writeFluidSide(LineTable& table, const platform::Form& main) {
    const auto field = [&](std::string_view name) { return main.at(name).text(); };
    table.line("FLUID SIDE DATA:" + spaces(14));
    table.line("Fluid T1:" + spaces(6), field("txtFluidT1"), "°C");
    table.line("Fluid T2:" + spaces(6), field("txtFluidT2"), "°C");
    table.line("Flow Rate:", field("txtFluidFlowRate"), "l/s");
    table.line("Glycol:" + spaces(6), field("txtGlycol"), "%");
    table.emptyLine();
    table.line("FLUID PRESSURE DROP");
    table.line("Supply:" + spaces(5), field("txtActualFluidPDSupply"), "kPa");
    table.line("Extract:" + spaces(5), field("txtActualFluidPDExtract"), "kPa");
    table.line("Total:" + spaces(10), field("txtTotalActualPD"), "kPa");
    table.emptyLine();
}

void writeCoil(LineTable& table, const platform::Form& main, CoilSide side) {
    const auto field = [&](std::string_view base) { return main.at(sided(base, side)).text(); };
    // Only the supply coil's units carry the trailing blanks.
    const std::string padding = spaces(side == CoilSide::Supply ? 33 : 0);
    table.line(side == CoilSide::Supply ? "SUPPLY COIL" : "EXTRACT COIL");
    table.line("Fin Type:", field("cmbFinMatType"));
    table.line("Tube Diameter:", field("cmbTubeDiameter"));
    table.line("Tubes High:", field("txtTubesHigh"));
    table.line("Finned Height:", field("txtFinnedHeight"), "mm" + padding);
    table.line("Finned Length:", field("txtFinnedLength"), "mm" + padding);
    table.line("No Of Sections:", field("txtNumberSections"));
    table.line("No Of Rows:", field("txtNumberRows"));
    table.line("Connection Size:", field("txtConnectionSize"));
    table.line("Pressure Drop:", field("txtAirPD"), "Pa" + padding);
    table.line("FPI:" + spaces(11), field("cmbFinDensity"));
    table.line("Circuit Type:", field("cmbCircuitType"));
    table.line("Coil Code:", field("txtCoilCode"));
}

} // namespace

std::string rule() {
    return std::string(135, '-');
}

void writeMainScreen(LineTable& table, const platform::Form& main) {
    writeAirSide(table, main);
    writeFluidSide(table, main);
    writeCoil(table, main, CoilSide::Supply);
    table.emptyLine();
    writeCoil(table, main, CoilSide::Extract);
    table.line(rule());
    table.line("COSTING");
    table.emptyLine();
}

} // namespace rac::summary
