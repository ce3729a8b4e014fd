#pragma once

// Dry-air properties that vary with temperature; density and specific heat are fixed constants.
namespace rac::properties {

inline constexpr double kAirDensity = 1.21;        // kg/m3
inline constexpr double kAirSpecificHeat = 1000.0; // J/(kg K)

// Dynamic viscosity of air in Pa s at a temperature in C.
double AirViscosity(double temperature);

// Thermal conductivity of air in W/(m K) at a temperature in C.
double AirConductivity(double temperature);

} // namespace rac::properties
