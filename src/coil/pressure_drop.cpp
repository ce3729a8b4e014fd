#include "coil/pressure_drop.h"

#include "coil/catalogue.h"
#include "coil/heat_transfer.h"
#include "foundation/numbers.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

namespace rac::coil {

using numbers::store;

namespace {

constexpr double kMetresPerInch = 0.0254;
// Header sizes in inches; HeaderSizeIndex is the position in this list counted from 1.
constexpr std::array<double, 7> kHeaderSizes{0.75, 1.0, 1.25, 1.5, 2.0, 2.5, 3.0};
constexpr double kMaxHeaderVelocity = 1.75;    // m/s
constexpr double kSmallestHeaderFactor = 0.56; // applied to the 3/4 inch header velocity

double headerVelocity(double flow, double sizeInches) {
    const double diameter = sizeInches * kMetresPerInch;
    return flow / (kPi / 4.0 * diameter * diameter);
}

// Air pressure drop per row = c x Re^reynoldsExponent x gapRatio^gapExponent x velocity head.
struct AirPressureDropLaw {
    double c;
    double reynoldsExponent;
    double gapExponent;
};

AirPressureDropLaw airPressureDropLaw(const CurrentCoil& coil) {
    constexpr AirPressureDropLaw kLouvre{6.7, -0.36, -1.322};
    constexpr AirPressureDropLaw kRippled12mm{4.3, -0.36, -1.034};
    constexpr AirPressureDropLaw kAny16mm{11.2, -0.36, -0.74};
    constexpr double kNoData = std::numeric_limits<double>::quiet_NaN();

    if (coil.TubeDiameter != kTube12) {
        return kAny16mm;
    }
    const FinTypeInfo* fin = findFinType(coil.FinType);
    if (fin == nullptr) {
        return {kNoData, kNoData, kNoData};
    }
    return fin->pattern == FinPattern::Louvre ? kLouvre : kRippled12mm;
}

} // namespace

void CalcFluidPressureDrop(CurrentCoil& coil) {
    coil.FluidReynolds = store(fluidReynolds(coil));
    const double reynolds = coil.FluidReynolds;
    const double friction =
        reynolds < kLaminarReynoldsLimit ? 64.0 / reynolds : 0.316 * std::pow(reynolds, -0.25);

    // Not rounded: a circuit count that does not divide the tubes still gives a mean length.
    const double tubesPerCircuit = static_cast<double>(coil.Rows) * double{coil.TubesHigh} /
                                   static_cast<double>(coil.Circuits);
    const double velocity = coil.FluidVelocity;
    const double velocityHead = velocity * velocity * double{coil.FluidDensity} * 0.5; // Pa
    const double circuitLength =
        double{coil.FinnedLength} / 1000.0 * tubesPerCircuit +
        tubeSize(coil.TubeDiameter).returnBendLength * (tubesPerCircuit - 1.0);
    const double tubePressureDrop =
        friction * (circuitLength / double{coil.TubeID}) * velocityHead; // Pa

    // "1B" and "2B" coils have pipe connections instead of headers.
    if (coil.CircuitType == "1B" || coil.CircuitType == "2B") {
        coil.HeaderPD = 0.0F;
    } else {
        CalcHeaderPressureDrop(coil, velocityHead);
    }
    coil.FluidPD = store((double{coil.HeaderPD} + tubePressureDrop) / 1000.0);
}

void CalcHeaderPressureDrop(CurrentCoil& coil, double velocityHead) {
    const double flowPerSection =
        double{coil.FluidFlow} / static_cast<double>(coil.Sections) / 1000.0; // m3/s

    // The smallest size within the velocity limit, or the largest size.
    std::size_t size = 0;
    double velocity = headerVelocity(flowPerSection, kHeaderSizes[size]);
    while (velocity > kMaxHeaderVelocity && size + 1 < kHeaderSizes.size()) {
        ++size;
        velocity = headerVelocity(flowPerSection, kHeaderSizes[size]);
    }

    int16_t headers = 1;
    if (size + 1 == kHeaderSizes.size()) {
        // Flow beyond the largest header is shared equally among more headers of that size.
        // A non-finite velocity (no sections) is left for the caller's guard.
        const double singleHeaderVelocity = velocity;
        while (std::isfinite(velocity) && velocity >= kMaxHeaderVelocity &&
               headers < std::numeric_limits<int16_t>::max()) {
            ++headers;
            velocity = singleHeaderVelocity / headers;
        }
        // The connection of the largest header is reported as the size below it.
        --size;
    }
    if (size == 0) {
        velocity *= kSmallestHeaderFactor;
    }
    coil.HeaderSizeIndex = static_cast<int16_t>(size + 1);
    coil.Headers = headers;

    const double ratio = double{coil.FluidVelocity} / velocity;
    const double lossCoefficient = 10.2 / (ratio * ratio) - 4.6 / ratio + 4.4;
    coil.HeaderPD = store(velocityHead * lossCoefficient);
}

void CalcAirPressureDrop(CurrentCoil& coil) {
    if (thinFinRuleApplies(coil)) {
        coil.FinThickness = store(findFinType(kThinFinSubstitute)->thickness);
    }
    const double coreVelocity = coil.CoreVelocity;
    if (coil.FinDensity == 0.0F) {
        coil.AirPDPerRow = store(0.22 * std::pow(coreVelocity, 1.87));
    } else {
        // Clear gap between fins over the tube diameter, both in mm.
        const double gapRatio =
            (25.4 / double{coil.FinDensity} - double{coil.FinThickness} * 1000.0) /
            (double{coil.TubeOD} * 1000.0);
        const AirPressureDropLaw law = airPressureDropLaw(coil);
        const double velocityHead = coreVelocity * coreVelocity * 0.5 * double{coil.AirDensity};
        coil.AirPDPerRow = store(law.c * std::pow(double{coil.AirReynolds}, law.reynoldsExponent) *
                                 std::pow(gapRatio, law.gapExponent) * velocityHead);
    }
    CalcTotalAirPressureDrop(coil);
}

void CalcTotalAirPressureDrop(CurrentCoil& coil) {
    coil.CoilAirPD = store(static_cast<double>(coil.Rows) * double{coil.AirPDPerRow});
    const double halfFaceVelocity = double{coil.FaceVelocity} / 2.0;
    coil.TotalAirPD = store(20.0 * halfFaceVelocity * halfFaceVelocity + double{coil.CoilAirPD});
}

} // namespace rac::coil
