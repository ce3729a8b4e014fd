#pragma once

#include <optional>

// Properties of the two water/glycol solutions (module Property_Glycol): "EGS" ethylene glycol
// and "PGS" propylene glycol. Every function takes the temperature in C and the glycol
// percentage, and first rounds both to 32-bit floats; the arithmetic is then double.
namespace rac::properties {

// The temperatures, in C, between which the glycol viscosity correlations hold (both included).
inline constexpr double kGlycolViscosityMinTemp = -10.0;
inline constexpr double kGlycolViscosityMaxTemp = 25.0;

// Density in kg/m3.
double EGSDensity(double temperature, double percent);
double PGSDensity(double temperature, double percent);

// Specific heat in kJ/(kg K) (the fluid dispatcher turns it into J/(kg K)).
double EGSSpecificHeat(double temperature, double percent);
double PGSSpecificHeat(double temperature, double percent);

// Thermal conductivity in W/(m K).
double EGSConductivity(double temperature, double percent);
double PGSConductivity(double temperature, double percent);

// Dynamic viscosity in mPa s, interpolated between 5 K nodes; the percentage is taken rounded
// down to a whole number. Empty outside [kGlycolViscosityMinTemp, kGlycolViscosityMaxTemp].
std::optional<double> EGSViscosity(double temperature, double percent);
std::optional<double> PGSViscosity(double temperature, double percent);

} // namespace rac::properties
