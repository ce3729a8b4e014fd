#include "coil/circuiting.h"

#include "coil/pressure_drop.h"
#include "foundation/numbers.h"

#include <array>
#include <span>
#include <string>

namespace rac::coil {

namespace {

constexpr double kMaxFluidVelocity = 2.0; // m/s

constexpr std::array<std::string_view, 1> kOneRow{"H"};
constexpr std::array<std::string_view, 2> kTwoOrThreeRows{"H", "F"};
constexpr std::array<std::string_view, 4> kFourRows{"H", "P", "F", "D"};
constexpr std::array<std::string_view, 5> kEvenRows{"H", "P", "F", "Q", "D"};

std::span<const std::string_view> candidates(int rows) {
    switch (rows) {
    case 1:
        return kOneRow;
    case 2:
    case 3:
        return kTwoOrThreeRows;
    case 4:
        return kFourRows;
    case 6:
    case 8:
    case 10:
    case 12:
    case 14:
    case 16:
        return kEvenRows;
    default:
        return {};
    }
}

// Sets CircuitType and, for a known type, Circuits; then the velocity for those circuits.
void useCandidate(CurrentCoil& coil, std::string_view type) {
    coil.CircuitType = std::string(type);
    if (const auto circuits = circuitsForType(type, coil.TubesHigh)) {
        coil.Circuits = *circuits;
    }
    SetFluidVelocity(coil);
}

struct ConfigurationRule {
    std::string_view type;
    std::array<int, 2> uncircuitableRows; // 0 = none
    std::string_view uncircuitableText;
    std::array<int, 9> standardRows; // empty list = any row count is standard
    std::string_view warningText;
};

constexpr std::array<ConfigurationRule, 6> kConfigurationRules{{
    {"1B",
     {0, 0},
     "",
     {1, 2},
     "Non-standard coil configuration for a 1B type coil. For a standard configuration the coil "
     "should have 1 or 2 rows."},
    {"2B",
     {0, 0},
     "",
     {2},
     "Non-standard coil configuration for a 2B type coil. For a standard configuration the coil "
     "should have 2 rows."},
    {"P",
     {1, 0},
     "A 1 row P type coil is uncircuitable: change circuit or number of rows (change surface "
     "margin).",
     {4, 6, 8, 10, 12, 14, 16},
     "Non-standard coil configuration for a P type coil. For a standard configuration the coil "
     "should have 4, 6, 8, 10, 12, 14 or 16 rows."},
    {"F",
     {0, 0},
     "",
     {2, 3, 4, 6, 8, 10, 12, 14, 16},
     "Non-standard coil configuration for a F type coil. For a standard configuration the coil "
     "should have  2, 3, 4, 6, 8, 10, 12, 14 or 16 rows."},
    {"Q",
     {1, 2},
     "A 1 or 2 row Q type coil is uncircuitable: change circuit or number of rows (change surface "
     "margin).",
     {6, 8, 10, 12, 14, 16},
     "Non-standard coil configuration for a Q type coil. For a standard configuration the coil "
     "should have 6, 8, 10, 12, 14 or 16 rows."},
    {"D",
     {1, 3},
     "A 1 or 3 row D type coil is uncircuitable: change circuit or number of rows (change surface "
     "margin).",
     {4, 6, 8, 10, 12, 14, 16},
     "Non-standard coil configuration for a D type coil. For a standard configuration the coil "
     "should have 4, 6, 8, 10, 12, 14 or 16 rows."},
}};

bool contains(std::span<const int> rows, int value) {
    for (int row : rows) {
        if (row == value) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<int16_t> circuitsForType(std::string_view circuitType, double tubesHigh) {
    double circuits = 0;
    if (circuitType == "1B") {
        circuits = 1;
    } else if (circuitType == "2B") {
        circuits = 2;
    } else if (circuitType == "H") {
        circuits = tubesHigh / 2.0;
    } else if (circuitType == "P") {
        circuits = 2.0 * tubesHigh / 3.0;
    } else if (circuitType == "F") {
        circuits = tubesHigh;
    } else if (circuitType == "Q") {
        circuits = 3.0 * tubesHigh / 2.0;
    } else if (circuitType == "D") {
        circuits = 2.0 * tubesHigh;
    } else {
        return std::nullopt;
    }
    return numbers::toCount(circuits);
}

bool isCircuitType(std::string_view text) {
    return circuitsForType(text, 0).has_value();
}

std::string_view CircuitTable(int rows, int position) {
    const auto list = candidates(rows);
    if (position < 1 || static_cast<std::size_t>(position) > list.size()) {
        return {};
    }
    return list[static_cast<std::size_t>(position) - 1];
}

void SetFluidVelocity(CurrentCoil& coil) {
    coil.FluidVelocity = numbers::store(
        static_cast<double>(coil.FluidFlow) /
        (static_cast<double>(coil.Circuits) * static_cast<double>(coil.TubeFlowArea) * 1000.0));
}

void OptimiseCircuits(CurrentCoil& coil) {
    coil.CircuitsExhausted = false;
    if (coil.MaxFluidPD <= 0) {
        return;
    }
    int position = 0;
    for (;;) {
        ++position;
        useCandidate(coil, CircuitTable(coil.Rows, position));
        if (coil.CircuitType.empty()) {
            coil.CircuitsExhausted = true;
            useCandidate(coil, CircuitTable(coil.Rows, position - 1));
        } else if (coil.FluidVelocity > kMaxFluidVelocity) {
            continue;
        }
        CalcFluidPressureDrop(coil);
        if (coil.CircuitsExhausted || coil.FluidPD < coil.MaxFluidPD) {
            return;
        }
    }
}

void CheckCoilConfiguration(CurrentCoil& coil, CalcStatus& status) {
    SetCoilLabel(coil);
    if (coil.Rows > 16) {
        return;
    }
    for (const ConfigurationRule& rule : kConfigurationRules) {
        if (rule.type != coil.CircuitType) {
            continue;
        }
        if (contains(rule.uncircuitableRows, coil.Rows)) {
            status.abortWith(
                information("Coil Uncircuitable", std::string(rule.uncircuitableText)));
            return;
        }
        if (!contains(rule.standardRows, coil.Rows)) {
            status.messages.show(
                withHelpButton("Non-Standard Coil Configuration - " + coil.CoilLabel,
                               std::string(rule.warningText), std::string(kHelpFile), 1));
        }
        return;
    }
}

void SetConnectionSize(CurrentCoil& coil) {
    static constexpr std::array<std::string_view, 7> kSizes{
        "¾ inch", "1 inch", "1¼ inch", "1½ inch", "2 inch", "2½ inch", "3 inch"};
    if (coil.HeaderSizeIndex >= 1 && coil.HeaderSizeIndex <= 7) {
        coil.ConnectionSize =
            std::string(kSizes[static_cast<std::size_t>(coil.HeaderSizeIndex) - 1]);
    } else {
        coil.ConnectionSize.clear();
    }
    if (coil.CircuitType == "1B") {
        coil.ConnectionSize = "15mm";
        coil.Headers = 1;
    } else if (coil.CircuitType == "2B") {
        coil.ConnectionSize = "22mm";
        coil.Headers = 1;
    }
}

std::string_view coilLabel(CoilSide side) {
    return side == CoilSide::Supply ? "Supply Coil" : "Extract Coil";
}

void SetCoilLabel(CurrentCoil& coil) {
    coil.CoilLabel = std::string(coilLabel(coil.Side));
}

} // namespace rac::coil
