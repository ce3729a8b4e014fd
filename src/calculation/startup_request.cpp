#include "calculation/startup_request.h"

namespace rac::calculation {

RunAroundData StartupRequest() {
    RunAroundData data;
    data.DBSupplyOn = 0;
    data.DBSupplyOff = 10;
    data.DBExtractOn = 20;
    data.AirVolSupply = 2.5f;
    data.AirVolExtract = 2.5f;
    data.GlycolSelect = "EGS";
    data.GlycolPercent = 0;
    for (RunAroundCoil* coil : {&data.Supply, &data.Extract}) {
        coil->FinMatType = "Aluminium 0.15 louvre";
        coil->TubeDiameter = "12mm";
        coil->TubesHigh = 26;
        coil->FinnedHeight = 994;
        coil->FinnedLength = 1000;
        coil->NumberSections = 1;
        coil->FinDensitySelect = "Optimise";
        coil->CircuitTypeSelect = "Optimise";
        coil->FluidMaxPD = 50;
    }
    return data;
}

} // namespace rac::calculation
