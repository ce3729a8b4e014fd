#pragma once

#include "costmodel/coil_costing.h"

#include <string_view>

// The block geometry the costing works from, set at the start of CostCoilBlock in this order.
namespace rac::costmodel {

// The cost model's own pi, used for every tube and bend volume of the block.
inline constexpr double kCostingPi = 3.14157;

// "1B" and "2B" coils: one or two bundles of circuits, with small connections and no header
// pipe; labour and header rules treat them apart from the lettered types.
bool isBundleCircuit(std::string_view circuitType);

// Fin metals by the start of the fin type's name: "Al"uminium or "Co"pper.
bool isAluminiumFin(std::string_view finType);
bool isCopperFin(std::string_view finType);

// RowPitch, TubePitch and TubeID of the tube size ("12mm", or "16mm" for any other text).
void SetTubeGeometry(CoilCosting& costing);

// Circuits from the circuit type and tubes high; a text that is not a circuit type is a number
// of circuits entered in "Number" mode, and CircuitNumber holds it.
void SetCircuits(CoilCosting& costing);

// BendsPerCircuit; Circuits must not be 0.
void SetBendsPerCircuit(CoilCosting& costing);

// FinCount along the finned length and the FinThickness of the fin type.
void SetFinCountAndThickness(CoilCosting& costing);

} // namespace rac::costmodel
