#include "coil/heat_transfer.h"

#include "coil/catalogue.h"
#include "foundation/numbers.h"
#include "properties/air.h"

#include <array>
#include <cmath>
#include <limits>

namespace rac::coil {

using numbers::store;

namespace {

constexpr double kNoData = std::numeric_limits<double>::quiet_NaN();
constexpr double kThinFinMaxDensity = 6.0; // FPI
constexpr double kFinsPerMetrePerFpi = 39.4;

bool is12mm(const CurrentCoil& coil) {
    return coil.TubeDiameter == kTube12;
}

// Air-side Nusselt constant C. The plain-tube value of a fixed 0 FPI coil overrides the fin
// pattern's value; "16mm" has no louvre fin.
double airSideConstant(const CurrentCoil& coil) {
    const bool fixedPlainTube = coil.FinDensityMode == "Fixed" && coil.FinDensity == 0.0F;
    const FinTypeInfo* fin = findFinType(coil.FinType);
    const bool rippled = fin != nullptr && fin->pattern == FinPattern::Rippled;
    const bool louvre = fin != nullptr && fin->pattern == FinPattern::Louvre;
    if (is12mm(coil)) {
        if (fixedPlainTube) {
            return 0.39;
        }
        return rippled ? 0.47 : louvre ? 0.83 : kNoData;
    }
    if (fixedPlainTube) {
        return 0.42;
    }
    return rippled ? 0.6 : kNoData;
}

struct FinResistanceRow {
    std::string_view finType;
    double on12mm; // m2 K/W
    double on16mm; // kNoData: not offered with "16mm"
};

constexpr std::array<FinResistanceRow, 11> kFinResistances{{
    {"Aluminium 0.15 rippled", 0.0077, 0.0062},
    {"Aluminium 0.25 rippled", 0.0048, 0.0039},
    {"Aluminium 0.4 rippled", 0.0032, kNoData},
    {"Aluminium vinyl coated 0.15 rippled", 0.0077, 0.0062},
    {"Aluminium 0.15 louvre", 0.0077, kNoData},
    {"Aluminium 0.25 louvre", 0.0048, kNoData},
    {"Aluminium vinyl coated 0.15 louvre", 0.0077, kNoData},
    {"Copper 0.15 rippled", 0.005, 0.004},
    {"Copper 0.25 rippled", 0.0031, 0.0025},
    {"Copper 0.15 louvre", 0.005, kNoData},
    {"Copper 0.25 louvre", 0.0031, kNoData},
}};

double tabulatedFinResistance(std::string_view finType, bool on12mm) {
    for (const FinResistanceRow& row : kFinResistances) {
        if (row.finType == finType) {
            return on12mm ? row.on12mm : row.on16mm;
        }
    }
    return kNoData;
}

double turbulentNusselt(double reynolds, double prandtl) {
    return 0.023 * std::pow(reynolds, 0.8) * std::pow(prandtl, 0.33);
}

// Laminar below 2100, turbulent above 10000, and a straight line between the two so that the
// coefficient has no step.
double tubeSideNusselt(double reynolds, double prandtl) {
    constexpr double kLaminarNusselt = 4.36;
    constexpr double kTurbulentFrom = 10000.0;
    if (reynolds < kLaminarReynoldsLimit) {
        return kLaminarNusselt;
    }
    if (reynolds <= kTurbulentFrom) {
        return (turbulentNusselt(kTurbulentFrom, prandtl) - kLaminarNusselt) *
                   (reynolds - kLaminarReynoldsLimit) / (kTurbulentFrom - kLaminarReynoldsLimit) +
               kLaminarNusselt;
    }
    return turbulentNusselt(reynolds, prandtl);
}

} // namespace

bool thinFinRuleApplies(const CurrentCoil& coil) {
    return isThinAluminium(coil.FinType) && double{coil.FinDensity} <= kThinFinMaxDensity;
}

double fluidReynolds(const CurrentCoil& coil) {
    return double{coil.FluidVelocity} * double{coil.FluidDensity} * double{coil.TubeID} /
           (double{coil.FluidViscosity} * 1e-3);
}

void CalcAirSideCoefficient(CurrentCoil& coil) {
    const double viscosity = properties::AirViscosity(coil.AirOnTemp);
    const double conductivity = properties::AirConductivity(coil.AirOnTemp);
    const double tubeOD = coil.TubeOD;

    coil.AirReynolds =
        store(double{coil.CoreVelocity} * double{coil.AirDensity} * tubeOD / viscosity);
    coil.AirPrandtl = store(viscosity * double{coil.AirSpecificHeat} / conductivity);
    coil.AirNusselt = store(airSideConstant(coil) * std::pow(double{coil.AirReynolds}, 0.53) *
                            std::pow(double{coil.AirPrandtl}, 0.33));
    coil.AirCoefficient = store(double{coil.AirNusselt} * conductivity / tubeOD);
    coil.AirResistance = store(1.0 / double{coil.AirCoefficient});
}

void CalcInsideArea(CurrentCoil& coil) {
    coil.InsideAreaPerRow = store(double{coil.TubesHigh} * kPi * double{coil.TubeID} *
                                  double{coil.FinnedLength} / 1000.0);
}

void SetFinResistance(CurrentCoil& coil) {
    const bool on12mm = is12mm(coil);
    const double own = tabulatedFinResistance(coil.FinType, on12mm);
    double resistance = coil.FinDensity == 0.0F ? 0.0 : own;
    // Applied after the plain-tube zero, so a thin aluminium fin at 0 FPI keeps the 0.25 mm
    // value. A fin the tube is not offered with has no value to replace.
    if (thinFinRuleApplies(coil) && !std::isnan(own)) {
        resistance = tabulatedFinResistance(kThinFinSubstitute, on12mm);
    }
    coil.FinResistance = store(resistance);
}

void CalcCoilSurfaces(CurrentCoil& coil) {
    const double length = double{coil.FinnedLength} / 1000.0; // m
    const double thickness = coil.FinThickness;
    const double tubesHigh = coil.TubesHigh;
    const double tubeOD = coil.TubeOD;

    coil.FinCount = store(length * double{coil.FinDensity} * kFinsPerMetrePerFpi);
    const double finCount = coil.FinCount;
    coil.BareTubeAreaPerRow = store((length - thickness * finCount) * tubesHigh * kPi * tubeOD);
    // Both faces of every fin, less the hole the collared tube passes through.
    const double collar = 2.0 * thickness + tubeOD;
    coil.FinAreaPerRow =
        store((double{coil.TubePitch} * double{coil.RowPitch} - collar * collar * kPi / 4.0) * 2.0 *
              finCount * tubesHigh);
    coil.OutsideAreaPerRow = store(double{coil.FinAreaPerRow} + double{coil.BareTubeAreaPerRow});
    if (coil.FinDensity == 0.0F) {
        coil.OutsideAreaPerRow = store(length * tubesHigh * kPi * tubeOD);
    }
    coil.AreaRatio = store(double{coil.OutsideAreaPerRow} / double{coil.InsideAreaPerRow});
}

void CalcTubeSideCoefficient(CurrentCoil& coil) {
    const double conductivity = coil.FluidConductivity;
    const double tubeID = coil.TubeID;

    coil.FluidReynolds = store(fluidReynolds(coil));
    coil.FluidPrandtl =
        store(double{coil.FluidViscosity} / 1000.0 * double{coil.FluidSpecificHeat} / conductivity);
    coil.FluidNusselt =
        store(tubeSideNusselt(double{coil.FluidReynolds}, double{coil.FluidPrandtl}));
    coil.FluidCoefficient = store(double{coil.FluidNusselt} * conductivity / tubeID);
    coil.FluidResistance = store(double{coil.AreaRatio} / double{coil.FluidCoefficient});
}

void CalcEffectiveness(CurrentCoil& coil) {
    const double airRate = coil.AirCapacityRate;
    const double fluidRate = coil.FluidCapacityRate;
    const double minimumRate = airRate <= fluidRate ? airRate : fluidRate;

    coil.OverallU = store(1.0 / double{coil.TotalResistance});
    coil.NTU = store(double{coil.OutsideAreaPerRow} * double{coil.OverallU} *
                     static_cast<double>(coil.Rows) / minimumRate);
    // The counterflow formula is 0/0 at equal capacity rates.
    if (coil.CapacityRatio == 1.0F) {
        coil.CapacityRatio = store(0.99);
    }
    const double ratio = coil.CapacityRatio;
    const double x = std::pow(kE, -double{coil.NTU} * (1.0 - ratio));
    coil.Effectiveness = store((1.0 - x) / (1.0 - ratio * x));
}

} // namespace rac::coil
