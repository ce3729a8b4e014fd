#include "mainscreen/validation.h"

#include "coil/circuiting.h"
#include "foundation/numbers.h"
#include "mainscreen/frm_main.h"
#include "mainscreen/option_lists.h"
#include "mainscreen/side_names.h"

#include <string>

namespace rac::mainscreen {

using calculation::Target;
using platform::Control;
using validation::Applies;

void FrmMain::ValidateInputs() {
    for (const validation::NumberCheck& check : validation::numberChecks()) {
        if (checkRuns(check.applies) && !passesNumberCheck(check)) {
            return;
        }
    }
    for (const Side side : kBothSides) {
        if (!passesCircuitCheck(side)) {
            return;
        }
    }
    passesAirTemperatureCheck();
}

bool FrmMain::checkRuns(Applies applies) const {
    switch (applies) {
    case Applies::Always:
        return true;
    case Applies::AirOffDBTarget:
        return selectionMode() && target() == Target::AirOffDB;
    case Applies::EffectivenessTarget:
        return selectionMode() && target() == Target::Effectiveness;
    case Applies::DutyTarget:
        return selectionMode() && target() == Target::Duty;
    case Applies::Rating:
        return !selectionMode();
    }
    return true;
}

bool FrmMain::passesNumberCheck(const validation::NumberCheck& check) {
    Control& field = at(check.control);
    const auto value = numbers::parseNumber(field.text());
    if (!value) {
        rejectEntry(field, validation::kNonNumericTitle, check.numericText);
        return false;
    }
    if (!check.range.contains(*value)) {
        rejectEntry(field, validation::kOutOfRangeTitle, check.rangeText);
        return false;
    }
    if (check.whole && numbers::floorValue(*value) != *value) {
        rejectEntry(field, validation::kNotWholeTitle, check.wholeText);
        return false;
    }
    return true;
}

bool FrmMain::passesCircuitCheck(Side side) {
    const std::string mode = block(side).circuitTypeSelect.text();
    Control& circuit = block(side).circuitType;
    const std::string suffix(sideSuffix(side));
    const std::string word(sideWord(side));
    if (mode == kNumber) {
        const auto value = numbers::parseNumber(circuit.text());
        if (!value) {
            rejectEntry(circuit, "Number of " + suffix + " Circuits Non-Numeric",
                        "The number of " + word + " circuits must be a numeric value.");
            return false;
        }
        // Cut to whole circuits; adding 0.0 turns a negative zero (from "-0") into "0".
        const double circuits = numbers::floorValue(*value) + 0.0;
        circuit.setText(numbers::shortestText(circuits));
        if (circuits < 1) {
            rejectEntry(circuit, "Number of " + suffix + " Circuits Incorrect",
                        "The number of " + word +
                            " circuits must be a numeric integer value greater than or equal "
                            "to 1.");
            return false;
        }
    } else if (mode == kFixed && !coil::isCircuitType(circuit.text())) {
        rejectEntry(circuit, suffix + " Circuit Type Not Compatible",
                    "Circuit type (" + word +
                        ") must be 1B, 2B, H, P, F, Q or D. Please select from the drop down "
                        "list.");
        return false;
    }
    return true;
}

bool FrmMain::passesAirTemperatureCheck() {
    const double on = numbers::leadingNumber(ui_.dbSupplyOn.text());
    const double off = numbers::leadingNumber(ui_.dbSupplyOff.text());
    const double extract = numbers::leadingNumber(ui_.dbExtractOn.text());
    std::string_view fault;
    if (selectionMode() && target() == Target::AirOffDB) {
        if (off > on && off > extract) {
            fault = "If the supply off temperature is greater than the supply on temperature then "
                    "the extract on temperature must be greater than the supply off temperature.";
        } else if (off < on && off < extract) {
            fault = "If the supply off temperature is less than the supply on temperature then the "
                    "extract on temperature must be less than the supply off temperature.";
        } else if (off == on) {
            fault = "The supply on temperature cannot be equal to the supply off temperature.";
        }
    } else if (!selectionMode() && extract == on) {
        fault = "The supply on temperature cannot be equal to the extract on temperature.";
    }
    if (fault.empty()) {
        return true;
    }
    tell(std::string(validation::kIncompatibleTitle), std::string(fault));
    ctx_.CalcAbort = true;
    return false;
}

} // namespace rac::mainscreen
