#include "properties/glycol.h"

#include "foundation/numbers.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace rac::properties {
namespace {

// Both arguments of every glycol function are first held as 32-bit floats.
double asFloat(double value) {
    return numbers::store(value);
}

// a c^2 + b c + d: the viscosity of one solution at one node temperature, c in whole %.
struct NodePolynomial {
    double a;
    double b;
    double d;

    double at(double c) const { return a * std::pow(c, 2) + b * c + d; }
};

struct ViscosityNode {
    double temperature; // C
    NodePolynomial egs;
    NodePolynomial pgs;
};

constexpr double kNodeSpacing = 5.0; // K

// clang-format off
constexpr std::array<ViscosityNode, 8> kViscosityNodes{{
    //  T       EGS a    EGS b     EGS d       PGS a    PGS b     PGS d
    {-10.0, {0.004,   0.0035,  2.44},    {0.0006, 1.1015,  -21.67}},
    { -5.0, {0.0037, -0.0473,  3.1025},  {0.0103, -0.0475,  1.64}},
    {  0.0, {0.0023,  0.0116,  1.78},    {0.0083, -0.0987,  2.778}},
    {  5.0, {0.0018,  0.0118,  1.5207},  {0.0053, -0.0195,  1.6461}},
    { 10.0, {0.0014,  0.0125,  1.3125},  {0.0038, -0.0075,  1.4054}},
    { 15.0, {0.0011,  0.0126,  1.1429},  {0.0028, -0.0003,  1.2171}},
    { 20.0, {0.0009,  0.0122,  1.0093},  {0.0021,  0.0035,  1.0718}},
    { 25.0, {0.0008,  0.012,   0.8918},  {0.0016,  0.0059,  0.9436}},
}};
// clang-format on

static_assert(kViscosityNodes.front().temperature == kGlycolViscosityMinTemp);
static_assert(kViscosityNodes.back().temperature == kGlycolViscosityMaxTemp);

// The viscosity of one solution: the 5 K band holding T (a band includes its upper node, the
// first one also its lower node), both node values rounded to float, linear in temperature.
std::optional<double> interpolateViscosity(double temperature, double percent,
                                           NodePolynomial ViscosityNode::*solution) {
    const double t = asFloat(temperature);
    const double c = numbers::floorValue(asFloat(percent));
    if (!(t >= kGlycolViscosityMinTemp && t <= kGlycolViscosityMaxTemp)) {
        return std::nullopt;
    }
    std::size_t upper = 1;
    while (t > kViscosityNodes[upper].temperature) {
        ++upper;
    }
    const ViscosityNode& low = kViscosityNodes[upper - 1];
    const ViscosityNode& high = kViscosityNodes[upper];
    const double muLow = asFloat((low.*solution).at(c));
    const double muHigh = asFloat((high.*solution).at(c));
    return muLow + (muHigh - muLow) * (t - low.temperature) / kNodeSpacing;
}

} // namespace

double EGSDensity(double temperature, double percent) {
    const double t = asFloat(temperature);
    const double c = asFloat(percent);
    return 1003.2 + 1.604 * c - (0.0029 * c + 0.1916) * t - 0.0024 * std::pow(t, 2);
}

double EGSSpecificHeat(double temperature, double percent) {
    const double t = asFloat(temperature);
    const double c = asFloat(percent);
    return 4.121285 - 0.0179056 * c + (0.00121 + 5.4e-5 * c) * t;
}

double EGSConductivity(double temperature, double percent) {
    const double t = asFloat(temperature);
    const double c = asFloat(percent);
    return 0.5475031762 - 0.0038739818 * c + (0.0021057754 - 2.52184e-5 * c) * t +
           (1.25e-7 * c - 9.7688e-6) * std::pow(t, 2);
}

std::optional<double> EGSViscosity(double temperature, double percent) {
    return interpolateViscosity(temperature, percent, &ViscosityNode::egs);
}

double PGSDensity(double temperature, double percent) {
    const double t = asFloat(temperature);
    const double c = asFloat(percent);
    return 1004.3 + 1.04 * c - (0.0052 * c + 0.1862) * t - (4e-6 * c + 0.00242) * std::pow(t, 2);
}

double PGSSpecificHeat(double temperature, double percent) {
    const double t = asFloat(temperature);
    const double c = asFloat(percent);
    return 4.190395 - 0.0136488 * c + (0.001005 + 5.92e-5 * c) * t;
}

double PGSConductivity(double temperature, double percent) {
    const double t = asFloat(temperature);
    const double c = asFloat(percent);
    return 0.5492987014 - 0.004159021 * c + (0.0021026314 - 2.88228e-5 * c) * t +
           (1.1e-7 * c - 9.4263e-6) * std::pow(t, 2);
}

std::optional<double> PGSViscosity(double temperature, double percent) {
    return interpolateViscosity(temperature, percent, &ViscosityNode::pgs);
}

} // namespace rac::properties
