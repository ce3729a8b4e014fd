#include "costmodel/block_materials.h"

#include "coil/catalogue.h"
#include "costmodel/block_geometry.h"
#include "foundation/numbers.h"

namespace rac::costmodel {

using numbers::store;
using numbers::widen;

namespace {

constexpr double kAluminiumDensity = 2700; // kg/m3
constexpr double kCopperDensity = 8900;

// A fin of neither metal has no known density and so no weight.
double finMetalDensity(const CoilCosting& costing) {
    if (costing.FinDensity == 0) {
        return 0;
    }
    if (isAluminiumFin(costing.FinType)) {
        return kAluminiumDensity;
    }
    return isCopperFin(costing.FinType) ? kCopperDensity : 0.0;
}

// Each rule overrides the one before: a vinyl coating or pre-tinning prices even a coil
// without fins, whose fin weight is 0 anyway.
double finPricePerKg(const CoilCosting& costing, const PriceTable& prices) {
    double price = 0;
    if (isAluminiumFin(costing.FinType)) {
        price = prices.AluminiumFinPricePerKg;
    }
    if (isCopperFin(costing.FinType)) {
        price = prices.CopperFinPricePerKg;
    }
    if (costing.FinDensity == 0) {
        price = 0;
    }
    if (costing.FinType.starts_with("Aluminium vinyl")) {
        price = prices.VinylFinPricePerKg;
    }
    if (costing.PreTinnedFins == 1) {
        price = prices.PreTinnedFinPricePerKg;
    }
    return price;
}

// Metal cross-section of the tube wall, m2 per metre of tube.
double tubeWallSection(const CoilCosting& costing) {
    const double thick = costing.ThickTube;
    if (costing.TubeDiameter == coil::kTube12) {
        return 1.46e-5 + thick * 1.02e-5;
    }
    if (costing.TubeDiameter == coil::kTube16) {
        return 1.95e-5 + thick * 2.28e-5;
    }
    return 0;
}

} // namespace

void CostFins(CoilCosting& costing, const PriceTable& prices) {
    costing.FinArea = store(widen(costing.FinnedLength) * widen(costing.FinDensity) * 0.0394 *
                            static_cast<double>(costing.Rows) * widen(costing.RowPitch) *
                            widen(costing.TubesHigh) * widen(costing.TubePitch) * 1.1);
    costing.FinVolume = store(widen(costing.FinThickness) * widen(costing.FinArea));
    costing.FinMetalDensity = store(finMetalDensity(costing));
    costing.FinWeight = store(widen(costing.FinMetalDensity) * widen(costing.FinVolume));
    costing.FinPricePerKg = store(finPricePerKg(costing, prices));
    costing.FinsMaterial = store(widen(costing.FinPricePerKg) * widen(costing.FinWeight));
}

void CostTubes(CoilCosting& costing, const PriceTable& prices) {
    costing.TubeLength =
        store(widen(costing.FinnedLength) * 1.1 * static_cast<double>(costing.Rows) *
              widen(costing.TubesHigh) / 1000.0);
    const double tubeMetal = widen(costing.TubeLength) * tubeWallSection(costing) * kCopperDensity;
    costing.TubesMaterial = store(tubeMetal * widen(prices.TubePricePerKg));
    costing.TubeWeight = store(tubeMetal);
    const double bore = costing.TubeID;
    costing.TubeVolume = store(bore * bore * kCostingPi * widen(costing.TubeLength) / 4.0 * 1000.0);
}

void CostBends(CoilCosting& costing, const PriceTable& prices) {
    const double bends = static_cast<double>(costing.Circuits) * widen(costing.BendsPerCircuit);
    const double sizeFactor = costing.TubeDiameter == coil::kTube16 ? 1.14 : 1.0;
    costing.BendsMaterial = store(bends * widen(prices.BendPrice) * sizeFactor);
    // One bend section and length for both tube sizes.
    costing.BendWeight = store(bends * kCostingPi * (0.008 * 0.008 - 0.0073 * 0.0073) *
                               0.0635853768 * kCopperDensity);
}

void CostBraze(CoilCosting& costing, const PriceTable& prices) {
    costing.BrazeMaterialCost = store(static_cast<double>(costing.Rows) * widen(costing.TubesHigh) *
                                      brazePrice(prices, costing.BrazeMaterial));
}

void CostFixings(CoilCosting& costing, const PriceTable& prices) {
    costing.FixMaterial = prices.FixingsPrice;
}

void SetPreTinnedFinsExtra(CoilCosting& costing, const PriceTable& prices) {
    costing.PreTinnedFinsMaterial =
        costing.PreTinnedFins == 1
            ? store((widen(prices.PreTinnedFinPricePerKg) - widen(prices.CopperFinPricePerKg)) *
                    widen(costing.FinWeight))
            : 0.0f;
}

} // namespace rac::costmodel
