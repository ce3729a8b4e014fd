#include "costmodel/block_geometry.h"

#include "coil/catalogue.h"
#include "coil/circuiting.h"
#include "foundation/numbers.h"

namespace rac::costmodel {

using numbers::store;
using numbers::widen;

bool isBundleCircuit(std::string_view circuitType) {
    return circuitType == "1B" || circuitType == "2B";
}

bool isAluminiumFin(std::string_view finType) {
    return finType.starts_with("Al");
}

bool isCopperFin(std::string_view finType) {
    return finType.starts_with("Co");
}

void SetTubeGeometry(CoilCosting& costing) {
    const coil::TubeSize& tube = coil::tubeSize(costing.TubeDiameter);
    costing.RowPitch = store(tube.rowPitch);
    costing.TubePitch = store(tube.tubePitch);
    costing.TubeID = store(tube.insideDiameter);
}

void SetCircuits(CoilCosting& costing) {
    if (const auto circuits = coil::circuitsForType(costing.CircuitType, costing.TubesHigh)) {
        costing.Circuits = *circuits;
    } else {
        // A coil circuited by number is costed with the circuits the user entered, which are
        // the circuits it was calculated with.
        costing.Circuits = costing.CircuitNumber;
    }
}

void SetBendsPerCircuit(CoilCosting& costing) {
    costing.BendsPerCircuit = store(static_cast<double>(costing.Rows) * widen(costing.TubesHigh) /
                                        static_cast<double>(costing.Circuits) -
                                    1.0);
}

void SetFinCountAndThickness(CoilCosting& costing) {
    const double finDensity = costing.FinDensity;
    costing.FinCount = store(widen(costing.FinnedLength) / 1000.0 * finDensity * 39.4);

    // The catalogue's thicknesses are the costing's, except that thin aluminium fins below
    // 8 fins per inch are costed as 0.25 mm. An unknown fin type keeps the thickness held.
    if (const coil::FinTypeInfo* fin = coil::findFinType(costing.FinType)) {
        const bool thickened = coil::isThinAluminium(costing.FinType) && finDensity < 8;
        costing.FinThickness = store(thickened ? 0.00025 : fin->thickness);
    }
    if (finDensity == 0) {
        costing.FinThickness = 0;
    }
}

} // namespace rac::costmodel
