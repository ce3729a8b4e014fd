#include "mainscreen/calculate_results.h"

namespace rac::mainscreen {

const std::vector<std::string_view>& CalculateResultControls() {
    static const std::vector<std::string_view> names{
        "txtDBSupplyOff",
        "txtDBExtractOff",
        "txtEffectiveness",
        "txtDuty",
        "txtAirVelSupply",
        "txtAirVelExtract",
        "txtFluidT1",
        "txtFluidT2",
        "txtFluidFlowRate",
        "txtNumberRowsSupply",
        "txtNumberRowsExtract",
        "cmbFinDensitySupply",
        "cmbFinDensityExtract",
        "cmbCircuitTypeSupply",
        "cmbCircuitTypeExtract",
        "txtCoilCodeSupply",
        "txtCoilCodeExtract",
        "txtAirPDSupply",
        "txtAirPDExtract",
        "txtActualFluidPDSupply",
        "txtActualFluidPDExtract",
        "txtTotalActualPD",
        "txtConnectionSizeSupply",
        "txtConnectionSizeExtract",
    };
    return names;
}

} // namespace rac::mainscreen
