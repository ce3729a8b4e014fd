#pragma once

#include "coil/current_coil.h"

#include <cstdint>
#include <string>

// The one calculation record: the main screen's request and the run-around results that the
// costing, the payback and the summary read. Temperatures in C, air volumes in m3/s, lengths in
// mm, fluid pressure drops in kPa, air pressure drops in Pa, duties in kW unless named Watts.
namespace rac::calculation {

// The fields each coil has twice, once for the supply and once for the extract coil.
struct RunAroundCoil {
    // Request
    std::string FinMatType;
    std::string TubeDiameter;
    int16_t TubesHigh = 0;
    float FinnedHeight = 0; // mm
    float FinnedLength = 0; // mm
    int16_t NumberSections = 0;
    int16_t NumberRows = 0; // read in Rating, written by Selection
    std::string FinDensitySelect;
    float FinDensity = 0;
    std::string CircuitTypeSelect;
    std::string CircuitType;
    int16_t CircuitNumber = 0;
    float FluidMaxPD = 0; // kPa

    // Results
    float FaceArea = 0; // m2
    float AirVel = 0;   // face velocity, m/s
    std::string CoilCode;
    float AirPD = 0;      // coil air pressure drop, Pa
    float TotalAirPD = 0; // Pa, for the costing
    float ActualFluidPD = 0;
    std::string ConnectionSize;
    int16_t Headers = 0;
    float RequiredEff = 0; // rating: last required and achieved effectiveness
    float AchievedEff = 0;

    // What the selection settled on, for display in the fin density and circuit lists
    float SelectedFinDensity = 0;
    std::string SelectedCircuitType;
};

struct RunAroundData {
    float AirDensity = 1.21f;
    float AirSpecificHeat = 1000.0f;

    float DBSupplyOn = 0;
    float DBSupplyOff = 0;
    float DBExtractOn = 0;
    float DBExtractOff = 0;
    float AirVolSupply = 0;
    float AirVolExtract = 0;
    float Duty = 0;          // kW, signed: positive when the supply air is heated
    float Effectiveness = 0; // fraction, except as entered for the Effectiveness target (%)
    std::string GlycolSelect;
    float GlycolPercent = 0;

    RunAroundCoil Supply;
    RunAroundCoil Extract;

    float AirVolMax = 0;
    float AirVolMin = 0;
    float MaxDuty = 0;
    float FluidT1 = 0;       // leaving the supply coil, entering the extract coil
    float FluidT2 = 0;       // leaving the extract coil, entering the supply coil
    float FluidFlowRate = 0; // l/s
    float DutyWattsSupply = 0;
    float RatingError = 0;

    RunAroundCoil& coil(coil::CoilSide side) {
        return side == coil::CoilSide::Supply ? Supply : Extract;
    }
    const RunAroundCoil& coil(coil::CoilSide side) const {
        return side == coil::CoilSide::Supply ? Supply : Extract;
    }
};

// What the user asked the selection for.
enum class Target { AirOffDB, Effectiveness, Duty };

} // namespace rac::calculation
