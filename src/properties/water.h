#pragma once

// Properties of pure water at a temperature in C (module Property_Water). No validity range: the
// correlations are used at any temperature they are given.
namespace rac::properties {

// Density in kg/m3.
double WaterDensity(double temperature);

// Specific heat in J/(kg K).
double WaterSpecificHeat(double temperature);

// Thermal conductivity in W/(m K).
double WaterConductivity(double temperature);

// Dynamic viscosity in Pa s (the fluid dispatcher turns it into mPa s).
double WaterViscosity(double temperature);

} // namespace rac::properties
