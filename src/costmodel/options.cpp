#include "costmodel/options.h"

#include "foundation/numbers.h"

#include <algorithm>

namespace rac::costmodel {

using numbers::floorValue;
using numbers::store;
using numbers::widen;

namespace {

constexpr double kETAMMinimum = 50;

// Finned height of the whole coil, m.
double finnedHeight(const CoilCosting& costing) {
    return widen(costing.TubePitch) * widen(costing.TubesHigh);
}

// Both faces of every fin, m2.
double finSurface(const CoilCosting& costing) {
    return 2.0 * finnedHeight(costing) * static_cast<double>(costing.Rows) *
           widen(costing.RowPitch) * widen(costing.FinnedLength) / 25.4 * widen(costing.FinDensity);
}

} // namespace

void CostEliminators(CoilCosting& costing, const PriceTable& prices) {
    const double length = costing.FinnedLength;
    const double blades = 2.0 * floorValue(finnedHeight(costing) / 0.65) + 4.0;
    const double supports = (length / widen(prices.EliminatorSupportSpacing) + 1.0) * blades *
                            widen(prices.EliminatorSupportPrice);
    costing.EliminatorsMaterial =
        store(widen(costing.TubesHigh) * floorValue(length / widen(prices.EliminatorBladeSpacing)) *
                  widen(costing.TubePitch) * widen(prices.EliminatorBladePrice) +
              supports);
    costing.EliminatorsLabour =
        store((length * 160.0 / 1000.0 + 10.0) * widen(prices.LabourRatePerHour) / 60.0);
}

void CostStiffeners(CoilCosting& costing) {
    const double stiffeners = floorValue((widen(costing.FinnedLength) + 90.0) / 160.0);
    costing.StiffenersMaterial =
        store(numbers::roundHalfEven(stiffeners * widen(costing.CasingDepth) / 1000.0 * 0.05) *
              widen(costing.SheetPrice));
}

void CostNutserts(CoilCosting& costing, const PriceTable& prices) {
    const double perimeter =
        2.0 * (widen(costing.FinnedLength) + 90.0) / 1000.0 + 2.0 * finnedHeight(costing);
    costing.NutsertsMaterial =
        store(widen(prices.NutsertPrice) * 2.0 * floorValue(perimeter) / 0.15);
}

void CostGAM(CoilCosting& costing, const PriceTable& prices) {
    const double width = (static_cast<double>(costing.Rows) - 1.0) * 0.03 + 0.2;
    const double area = 3.0 * width * (finnedHeight(costing) + 0.05) +
                        2.0 * width * (widen(costing.FinnedLength) / 1000.0 + 0.05);
    costing.GAMMaterial = store(area * 0.002 * 7.9 * widen(prices.GAMPrice));
}

void CostVentDrain(CoilCosting& costing, const PriceTable& prices) {
    costing.VentDrainMaterial = prices.VentDrainPrice;
}

void CostTestPoints(CoilCosting& costing, const PriceTable& prices) {
    costing.TestPointsMaterial = prices.TestPointsPrice;
}

void CostBlygold(CoilCosting& costing, const PriceTable& prices, MessageSink& messages) {
    // Every catalogue fin type is checked by its pattern, the vinyl-coated ones included.
    if (const coil::FinTypeInfo* fin = coil::findFinType(costing.FinType)) {
        CheckBlygoldLimits(costing.FinDensity, costing.Rows, costing.TubeDiameter, fin->pattern,
                           messages);
    }
    const double faceArea = finnedHeight(costing) * widen(costing.FinnedLength) / 1000.0;
    costing.BlygoldMaterial = store(widen(prices.BlygoldFinAreaPrice) * finSurface(costing) +
                                    widen(prices.BlygoldFaceAreaPrice) * faceArea);
    costing.BlygoldLabour = prices.BlygoldLabourPrice;
}

void CostETAM(CoilCosting& costing, const PriceTable& prices) {
    costing.ETAMMaterial =
        store(std::max(finSurface(costing) * widen(prices.ETAMPricePerM2), kETAMMinimum));
}

void CheckBlygoldLimits(double finDensity, int16_t rows, std::string_view tubeDiameter,
                        coil::FinPattern style, MessageSink& messages) {
    const bool tube16 = tubeDiameter == coil::kTube16;
    const bool tube12 = tubeDiameter == coil::kTube12;
    const bool ripple = style == coil::FinPattern::Rippled;
    const bool louvre = style == coil::FinPattern::Louvre;
    const bool dense = rows >= 3 && finDensity == 14;
    const bool beyond = (tube16 && (rows >= 8 || dense)) ||
                        (ripple && tube12 && (dense || rows > 8)) ||
                        (louvre && tube12 && (rows >= 8 || dense));
    if (beyond) {
        messages.show(
            information("Blygold coating limits", "100% coverage expected but not guaranteed"));
    }
}

void CostOptions(CoilCosting& costing, const PriceTable& prices, MessageSink& messages) {
    costing.EliminatorsMaterial = 0;
    costing.EliminatorsLabour = 0;
    costing.StiffenersMaterial = 0;
    costing.NutsertsMaterial = 0;
    costing.GAMMaterial = 0;
    costing.VentDrainMaterial = 0;
    costing.TestPointsMaterial = 0;
    costing.BlygoldMaterial = 0;
    costing.BlygoldLabour = 0;
    costing.ETAMMaterial = 0;
    if (costing.Eliminators == 1) {
        CostEliminators(costing, prices);
    }
    if (costing.Stiffeners == 1) {
        CostStiffeners(costing);
    }
    if (costing.Nutserts == 1) {
        CostNutserts(costing, prices);
    }
    if (costing.GAM == 1) {
        CostGAM(costing, prices);
    }
    if (costing.VentDrain == 1) {
        CostVentDrain(costing, prices);
    }
    if (costing.TestPoints == 1) {
        CostTestPoints(costing, prices);
    }
    if (costing.Blygold == 1) {
        CostBlygold(costing, prices, messages);
    }
    if (costing.ETAM == 1) {
        CostETAM(costing, prices);
    }
}

} // namespace rac::costmodel
