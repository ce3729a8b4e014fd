#include "calculation/coil_guard.h"

#include "coil/circuiting.h"

#include <cmath>
#include <initializer_list>

namespace rac::calculation {

namespace {

const char* faultText(CoilFault fault) {
    switch (fault) {
    case CoilFault::NoFluidTemperatureDifference:
        return "The loop fluid enters and leaves this coil at the same temperature, so no fluid "
               "flow can be worked out. Change the air temperatures or the required result so "
               "that the loop has a temperature difference.";
    case CoilFault::AirOnAtFluidTemperature:
        return "The air enters this coil at the temperature of the loop fluid entering it, so the "
               "coil cannot transfer heat. Change the air on temperatures or the required result.";
    case CoilFault::NoCapacityRate:
        return "This coil has no duty to carry: the air temperature does not change across it, "
               "so there is no fluid flow. Enter a duty above zero or an air off temperature that "
               "differs from the air on temperature.";
    case CoilFault::NoCircuits:
        return "This coil has no circuits: the circuit type or number gives 0 circuits for its "
               "tubes high. Choose another circuit type or enter at least 1 circuit.";
    case CoilFault::UnknownFinType:
        return "The fin type of this coil is not one of the catalogue's fin types. Choose a fin "
               "type from the list.";
    case CoilFault::NotFinite:
        return "The coil calculation gave no finite result for these inputs. Check the air "
               "volumes, temperatures, coil dimensions and fluid, then calculate again.";
    }
    return "";
}

} // namespace

void StopCoilCalculation(coil::CurrentCoil& coil, coil::CalcStatus& status, CoilFault fault) {
    coil::SetCoilLabel(coil);
    status.abortWith(information("Calculation Not Possible - " + coil.CoilLabel, faultText(fault)));
}

bool CoilResultsFinite(const coil::CurrentCoil& coil) {
    for (float value : {coil.DutyWatts, coil.FluidMassFlow, coil.FluidFlow, coil.FluidVelocity,
                        coil.CapacityRatio, coil.RequiredEffectiveness, coil.Effectiveness,
                        coil.FluidPD, coil.AirPDPerRow, coil.CoilAirPD, coil.TotalAirPD}) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

} // namespace rac::calculation
