#include "coil/coil_geometry.h"

#include "coil/catalogue.h"
#include "foundation/numbers.h"

namespace rac::coil {

bool SetCoilGeometry(CurrentCoil& coil) {
    using numbers::store;
    const TubeSize& tube = tubeSize(coil.TubeDiameter);
    coil.TubeOD = store(tube.outsideDiameter);
    coil.TubeID = store(tube.insideDiameter);
    coil.RowPitch = store(tube.rowPitch);
    coil.TubePitch = store(tube.tubePitch);
    coil.CoreVelocity = store(static_cast<double>(coil.FaceVelocity) * tube.coreVelocityFactor);
    const double radius = static_cast<double>(coil.TubeID) / 2.0;
    coil.TubeFlowArea = store(3.14 * radius * radius);
    const FinTypeInfo* fin = findFinType(coil.FinType);
    if (fin == nullptr) {
        return false;
    }
    coil.FinThickness = store(fin->thickness);
    return true;
}

} // namespace rac::coil
