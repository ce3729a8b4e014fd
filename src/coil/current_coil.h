#pragma once

#include <cstdint>
#include <string>

// The working set of the one coil being calculated. The drivers copy one coil's inputs in, the
// coil procedures read and write its named fields, and the drivers copy the results out.
namespace rac::coil {

enum class CoilSide { Supply, Extract };

struct CurrentCoil {
    // Description and operating point
    CoilSide Side = CoilSide::Supply;
    std::string CoilLabel;
    std::string TubeDiameter;
    std::string FinType;
    std::string FinDensityMode;
    float FinDensity = 0;
    int16_t MaxFinDensity = 0;
    float FinDensityLimit = 0;
    std::string CircuitMode;
    std::string CircuitType;
    int16_t CircuitNumber = 0;
    float TubesHigh = 0;
    int16_t Rows = 0;
    int16_t Sections = 0;
    float FinnedLength = 0; // mm
    float FaceArea = 0;     // m2
    float FaceVelocity = 0; // m/s
    float AirVolume = 0;    // m3/s
    float AirOnTemp = 0;
    float AirOffTemp = 0;
    float FluidInTemp = 0;
    float FluidOutTemp = 0;
    float MeanFluidTemp = 0;
    float MaxFluidPD = 0; // kPa

    // Constants and derived values of each core calculation
    float AirDensity = 0;      // kg/m3
    float AirSpecificHeat = 0; // J/(kg K)
    float FluidDensity = 0;    // kg/m3
    float FluidViscosity = 0;  // mPa s
    float FluidSpecificHeat = 0;
    float FluidConductivity = 0;
    float TubeOD = 0; // m
    float TubeID = 0;
    float TubePitch = 0;
    float RowPitch = 0;
    float FinThickness = 0; // m
    float CoreVelocity = 0; // m/s
    float TubeFlowArea = 0; // m2

    // Energy balance
    float DutyWatts = 0;
    float DutyKW = 0;
    float AirMassFlow = 0;       // kg/s
    float AirCapacityRate = 0;   // W/K
    float FluidCapacityRate = 0; // W/K
    float CapacityRatio = 0;
    float FluidMassFlow = 0; // kg/s
    float FluidFlow = 0;     // l/s
    float RequiredEffectiveness = 0;
    float Effectiveness = 0;
    float SearchPass = 0;

    // Coil model values
    int16_t Circuits = 0;
    float FluidVelocity = 0; // m/s
    bool CircuitsExhausted = false;
    int16_t Headers = 0;
    int16_t HeaderSizeIndex = 0;
    float FinCount = 0;
    float InsideAreaPerRow = 0; // m2
    float BareTubeAreaPerRow = 0;
    float FinAreaPerRow = 0;
    float OutsideAreaPerRow = 0;
    float AreaRatio = 0;
    float AirReynolds = 0;
    float AirPrandtl = 0;
    float AirNusselt = 0;
    float AirCoefficient = 0; // W/(m2 K)
    float AirResistance = 0;  // m2 K/W
    float FinResistance = 0;
    float FluidReynolds = 0;
    float FluidPrandtl = 0;
    float FluidNusselt = 0;
    float FluidCoefficient = 0;
    float FluidResistance = 0;
    float TotalResistance = 0;
    float OverallU = 0;
    float NTU = 0;
    float FluidPD = 0;     // kPa
    float HeaderPD = 0;    // Pa
    float AirPDPerRow = 0; // Pa
    float CoilAirPD = 0;
    float TotalAirPD = 0;
    std::string ConnectionSize;
    std::string CoilCode;
};

} // namespace rac::coil
