#include "coil/fluid_properties.h"

#include "foundation/numbers.h"
#include "properties/glycol.h"
#include "properties/water.h"

#include <optional>

namespace rac::coil {
namespace {

constexpr std::string_view kEGS = "EGS";
constexpr std::string_view kPGS = "PGS";

constexpr double kPerKilo = 1000.0; // kJ -> J, Pa s -> mPa s

using GlycolProperty = double (*)(double, double);
using GlycolViscosity = std::optional<double> (*)(double, double);

struct GlycolFunctions {
    GlycolProperty density;
    GlycolViscosity viscosity;
    GlycolProperty specificHeat; // kJ/(kg K)
    GlycolProperty conductivity;
};

constexpr GlycolFunctions kEGSFunctions{properties::EGSDensity, properties::EGSViscosity,
                                        properties::EGSSpecificHeat, properties::EGSConductivity};
constexpr GlycolFunctions kPGSFunctions{properties::PGSDensity, properties::PGSViscosity,
                                        properties::PGSSpecificHeat, properties::PGSConductivity};

void setGlycolProperties(CurrentCoil& coil, CalcStatus& status, const GlycolFunctions& glycol,
                         double percent, double temperature) {
    coil.FluidDensity = numbers::store(glycol.density(temperature, percent));
    const std::optional<double> viscosity = glycol.viscosity(temperature, percent);
    if (!viscosity) {
        status.abortWith(information(
            "Glycol Not Appropriate",
            "Inappropriate use of glycol for fluid temperature of coil. Do not use glycol."));
    }
    coil.FluidViscosity = numbers::store(viscosity.value_or(0.0));
    coil.FluidSpecificHeat = numbers::store(glycol.specificHeat(temperature, percent) * kPerKilo);
    coil.FluidConductivity = numbers::store(glycol.conductivity(temperature, percent));
}

void setWaterProperties(CurrentCoil& coil, double temperature) {
    coil.FluidDensity = numbers::store(properties::WaterDensity(temperature));
    coil.FluidViscosity = numbers::store(properties::WaterViscosity(temperature) * kPerKilo);
    coil.FluidSpecificHeat = numbers::store(properties::WaterSpecificHeat(temperature));
    coil.FluidConductivity = numbers::store(properties::WaterConductivity(temperature));
}

} // namespace

void CalcFluidProperties(CurrentCoil& coil, CalcStatus& status, std::string_view glycolSelect,
                         float glycolPercent, double temperature) {
    // A kind other than "EGS" or "PGS" with a non-zero percentage sets nothing.
    if (glycolSelect == kEGS && glycolPercent != 0) {
        setGlycolProperties(coil, status, kEGSFunctions, glycolPercent, temperature);
    }
    if (glycolSelect == kPGS && glycolPercent != 0) {
        setGlycolProperties(coil, status, kPGSFunctions, glycolPercent, temperature);
    }
    if (glycolPercent == 0) {
        setWaterProperties(coil, temperature);
    }
}

} // namespace rac::coil
