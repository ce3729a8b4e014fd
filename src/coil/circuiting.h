#pragma once

#include "coil/calc_status.h"
#include "coil/current_coil.h"

#include <optional>
#include <string_view>

// Circuit types, their circuit counts, the circuit search of the selection, the check of a fixed
// circuit type against the standard row counts, and the connection size.
namespace rac::coil {

// Number of circuits a circuit type gives for a coil of this many tubes high; empty for a text
// that is not one of "1B", "2B", "H", "P", "F", "Q", "D".
std::optional<int16_t> circuitsForType(std::string_view circuitType, double tubesHigh);

bool isCircuitType(std::string_view text);

// The standard circuit types a selection tries for a row count, at positions 1, 2, ...; an empty
// text past the last candidate and for row counts without candidates.
std::string_view CircuitTable(int rows, int position);

// FluidVelocity from FluidFlow (l/s), Circuits and TubeFlowArea.
void SetFluidVelocity(CurrentCoil& coil);

// Chooses the circuit type with the fewest circuits whose velocity is within 2.0 m/s and whose
// fluid pressure drop is below MaxFluidPD; failing that, the last candidate with
// CircuitsExhausted set.
void OptimiseCircuits(CurrentCoil& coil);

// Warns when a fixed circuit type is not standard for the selected rows and stops the
// calculation when the coil cannot be circuited at all.
void CheckCoilConfiguration(CurrentCoil& coil, CalcStatus& status);

void SetConnectionSize(CurrentCoil& coil);

// "Supply Coil" or "Extract Coil", naming the coil in message titles.
std::string_view coilLabel(CoilSide side);
void SetCoilLabel(CurrentCoil& coil);

// The help file the non-standard configuration warnings open, beside the program.
inline constexpr std::string_view kHelpFile = "zylrac.hlp";

} // namespace rac::coil
