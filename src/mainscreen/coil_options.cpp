#include "coil/catalogue.h"
#include "foundation/numbers.h"
#include "mainscreen/field_style.h"
#include "mainscreen/frm_main.h"
#include "mainscreen/option_lists.h"
#include "mainscreen/side_names.h"

#include <cmath>
#include <string>
#include <vector>

// The rules of one coil block (supply or extract): tube size -> fin types -> fin densities,
// circuit mode -> circuit list, and tubes high <-> finned height -> sections.
namespace rac::mainscreen {

using platform::Control;

namespace {

// Tubes high or finned heights beyond any coil: the partner field is left alone, and validation
// rejects the value when Calculate is pressed.
constexpr double kLargestGeometryValue = 1e9;

// "from" to "to" fins per inch as list texts; "0", a plain-tube coil, first when asked for.
std::vector<std::string> finDensities(int from, int to, bool withPlainTube = false) {
    std::vector<std::string> items;
    if (withPlainTube) {
        items.emplace_back("0");
    }
    for (int fpi = from; fpi <= to; ++fpi) {
        items.push_back(std::to_string(fpi));
    }
    return items;
}

std::string_view withoutBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

void refill(Control& list, const std::vector<std::string>& items, std::string_view selected) {
    list.clearItems();
    list.addItems(items);
    list.setText(selected);
}

void FrmMain::tubeDiameterClicked(Side side) {
    const CoilBlock& fields = block(side);
    const std::string tube = fields.tubeDiameter.text();
    // The fin type's own rule clears the results and rebuilds the fin densities.
    refill(fields.finMatType, coil::finTypesOffered(tube), coil::defaultFinType(tube));
    setFinnedHeightFromTubes(side, numbers::leadingNumber(fields.tubesHigh.text()));
}

void FrmMain::finTypeClicked(Side side) {
    ClearResults();
    const CoilBlock& fields = block(side);
    const std::string mode = fields.finDensitySelect.text();
    const bool vinyl = coil::isVinylCoated(fields.finMatType.text());
    Control& finDensity = fields.finDensity;
    // Only this rule offers a plain-tube coil (0 FPI), and 8 FPI is chosen whatever the list.
    if (mode == kFixed) {
        refill(finDensity, vinyl ? finDensities(8, 14) : finDensities(4, 14, true), "8");
    } else if (mode == kMaximum) {
        refill(finDensity, vinyl ? finDensities(8, 14) : finDensities(6, 14), "8");
    }
}

void FrmMain::finDensityModeClicked(Side side) {
    const CoilBlock& fields = block(side);
    const std::string mode = fields.finDensitySelect.text();
    const bool vinyl = coil::isVinylCoated(fields.finMatType.text());
    Control& finDensity = fields.finDensity;
    if (mode == kOptimise) {
        finDensity.clearItems();
        setResultStyle(finDensity);
    } else if (mode == kFixed) {
        refill(finDensity, vinyl ? finDensities(8, 14) : finDensities(4, 14), "8");
        setEntryStyle(finDensity);
    } else if (mode == kMaximum) {
        refill(finDensity, vinyl ? finDensities(8, 14) : finDensities(6, 14), "10");
        setEntryStyle(finDensity);
    }
    ClearResults();
}

void FrmMain::circuitModeClicked(Side side) {
    const CoilBlock& fields = block(side);
    const std::string mode = fields.circuitTypeSelect.text();
    Control& circuit = fields.circuitType;
    circuit.clearItems();
    if (mode == kOptimise) {
        setResultStyle(circuit);
    } else if (mode == kFixed) {
        circuit.addItems(kCircuitTypes);
        circuit.setListIndex(0);
        setEntryStyle(circuit);
    } else if (mode == kNumber) {
        setEntryStyle(circuit);
        circuit.setText("1");
    }
    ClearResults();
}

void FrmMain::tubesHighChanged(Side side) {
    const CoilBlock& fields = block(side);
    const double tubesHigh = numbers::leadingNumber(fields.tubesHigh.text());
    fields.numberSections.setText(std::to_string(coil::sectionsFromTubes(tubesHigh)));
    ClearResults();
}

void FrmMain::tubesHighLeft(Side side) {
    Control& tubesHigh = block(side).tubesHigh;
    const auto value = numbers::parseNumber(tubesHigh.text());
    if (!value) {
        rejectEntry(tubesHigh, "Number of Tubes High Non-Numeric",
                    "The " + std::string(sideWord(side)) +
                        " number of tubes high must be a numeric value.");
        return;
    }
    setFinnedHeightFromTubes(side, *value);
}

void FrmMain::finnedHeightLeft(Side side) {
    const CoilBlock& fields = block(side);
    Control& finnedHeight = fields.finnedHeight;
    const auto value = numbers::parseNumber(finnedHeight.text());
    if (!value) {
        rejectEntry(finnedHeight, "Finned Height Non-Numeric",
                    "The " + std::string(sideWord(side)) +
                        " finned height must be a numeric value.");
        return;
    }
    if (std::fabs(*value) > kLargestGeometryValue) {
        return;
    }
    // The height snaps to a whole number of tubes.
    const std::string_view tube = withoutBlanks(fields.tubeDiameter.text());
    const long tubes = coil::tubesFromFinnedHeight(*value, tube);
    fields.tubesHigh.setText(numbers::countText(tubes));
    setFinnedHeightFromTubes(side, static_cast<double>(tubes));
}

void FrmMain::setFinnedHeightFromTubes(Side side, double tubesHigh) {
    if (std::fabs(tubesHigh) > kLargestGeometryValue) {
        return;
    }
    const CoilBlock& fields = block(side);
    const std::string_view tube = withoutBlanks(fields.tubeDiameter.text());
    fields.finnedHeight.setText(numbers::countText(coil::finnedHeightFromTubes(tubesHigh, tube)));
}

} // namespace rac::mainscreen
