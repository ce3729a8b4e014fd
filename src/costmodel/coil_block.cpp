#include "costmodel/coil_block.h"

#include "costmodel/block_geometry.h"
#include "costmodel/block_materials.h"
#include "costmodel/casing.h"
#include "costmodel/casing_style.h"
#include "costmodel/costing_fault.h"
#include "costmodel/header_assembly.h"
#include "costmodel/labour.h"
#include "costmodel/options.h"
#include "foundation/numbers.h"

#include <array>
#include <optional>
#include <utility>

namespace rac::costmodel {

using numbers::store;
using numbers::widen;

namespace {

using C = CoilCosting;
using Quantity = float C::*;

// What the screens show of a coil after CostCoilBlock.
constexpr std::array<Quantity, 32> kShownBlockValues{{
    &C::FinsMaterial,
    &C::HeaderAssemblyMaterial,
    &C::TubesMaterial,
    &C::BendsMaterial,
    &C::BrazeMaterialCost,
    &C::FixMaterial,
    &C::EliminatorsMaterial,
    &C::EliminatorsLabour,
    &C::StiffenersMaterial,
    &C::NutsertsMaterial,
    &C::GAMMaterial,
    &C::VentDrainMaterial,
    &C::TestPointsMaterial,
    &C::BlygoldMaterial,
    &C::BlygoldLabour,
    &C::ETAMMaterial,
    &C::ConnectionFlangesMaterial,
    &C::LabourCost,
    &C::MaterialCost,
    &C::SheetMetalCost,
    &C::OptionsCost,
    &C::TotalCost,
    &C::SellPrice,
    &C::CarriageCost,
    &C::CasingDepth,
    &C::TotalWeight,
    &C::InternalVolume,
    &C::FinWeight,
    &C::TubeWeight,
    &C::BendWeight,
    &C::HeaderAssemblyWeight,
    &C::SheetMetalWeight,
}};

// What CalcLabourBreakdown adds to them.
constexpr std::array<Quantity, 17> kShownBreakdownValues{{
    &C::FinsLabour,
    &C::TubesLabour,
    &C::CasingLabour,
    &C::ExpansionLabour,
    &C::BrazingLabour,
    &C::TestingLabour,
    &C::SprayingLabour,
    &C::FinishingLabour,
    &C::PackagingLabour,
    &C::HeaderConnectionLabour,
    &C::PreTinnedFinsMaterial,
    &C::EndPlates,
    &C::SidePlates,
    &C::CSP,
    &C::DrainpanCost,
    &C::BafflePlates,
    &C::CoverPlates,
}};

double sellPriceDivisor(const PriceTable& prices) {
    return 1.0 - widen(prices.GrossMarginPercent) / 100.0;
}

// What the costing divides by (circuits, sections, sheet prices, what the gross margin leaves),
// checked before anything is priced.
std::optional<CostFault> unpriceable(const CoilCosting& costing, const PriceTable& prices) {
    if (costing.Circuits == 0) {
        return CostFault::NoCircuits;
    }
    if (costing.Sections == 0) {
        return CostFault::NoSections;
    }
    if (!sheetMaterialIndex(costing.CasingMaterial)) {
        return CostFault::UnknownCasingMaterial;
    }
    if (drainpanCounted(costing) && costing.DrainpanMaterial != kNoDrainpanMaterial &&
        !sheetMaterialIndex(costing.DrainpanMaterial)) {
        return CostFault::UnknownDrainpanMaterial;
    }
    if (sellPriceDivisor(prices) == 0) {
        return CostFault::NoSellPrice;
    }
    return std::nullopt;
}

std::optional<CostFault> costBlock(CoilCosting& costing, const PriceTable& prices,
                                   MessageSink& messages) {
    SetTubeGeometry(costing);
    SetCircuits(costing);
    if (const auto fault = unpriceable(costing, prices)) {
        return fault;
    }
    SetBendsPerCircuit(costing);
    SetFinCountAndThickness(costing);
    SetCasingDepth(costing);
    SetCasingAllowances(costing);

    CostFins(costing, prices);
    CostTubes(costing, prices);
    CostBends(costing, prices);
    CostBraze(costing, prices);
    CostFixings(costing, prices);
    CostHeaderAssembly(costing);
    costing.BlockMaterial =
        store(widen(costing.HeaderAssemblyMaterial) + widen(costing.FinsMaterial) +
              widen(costing.TubesMaterial) + widen(costing.BendsMaterial) +
              widen(costing.BrazeMaterialCost) + widen(costing.FixMaterial));

    CalcLabourTotal(costing, prices);
    CostCasing(costing, prices);
    CostOptions(costing, prices, messages);
    SetCostingTotals(costing, prices);
    if (!allFinite(costing, kShownBlockValues)) {
        return CostFault::NotFinite;
    }
    return std::nullopt;
}

std::optional<CostFault> breakDown(CoilCosting& costing, const PriceTable& prices) {
    SetLabourOperations(costing, prices);
    SetPreTinnedFinsExtra(costing, prices);
    SetSheetMetalBreakdown(costing);
    if (!allFinite(costing, kShownBreakdownValues)) {
        return CostFault::NotFinite;
    }
    return std::nullopt;
}

// Runs a costing step on a copy of the record and keeps the copy only when the step succeeds,
// so that a stopped costing leaves nothing half written.
template <class Step>
void costGuarded(CoilCosting& costing, coil::CoilSide side, coil::CalcStatus& status, Step step) {
    CoilCosting work = costing;
    if (const auto fault = step(work)) {
        StopCosting(side, status, *fault);
        return;
    }
    costing = std::move(work);
}

} // namespace

void CostCoilBlock(CoilCosting& costing, const PriceTable& prices, coil::CoilSide side,
                   coil::CalcStatus& status) {
    costGuarded(costing, side, status,
                [&](CoilCosting& work) { return costBlock(work, prices, status.messages); });
}

void CalcLabourBreakdown(CoilCosting& costing, const PriceTable& prices, coil::CoilSide side,
                         coil::CalcStatus& status) {
    costGuarded(costing, side, status, [&](CoilCosting& work) { return breakDown(work, prices); });
}

void SetCostingTotals(CoilCosting& costing, const PriceTable& prices) {
    // Pre-tinned fins and connection flanges are inside the fin and header assembly material.
    costing.OptionsCost =
        store(widen(costing.StiffenersMaterial) + widen(costing.EliminatorsMaterial) +
              widen(costing.NutsertsMaterial) + widen(costing.BlygoldMaterial) +
              widen(costing.GAMMaterial) + widen(costing.ETAMMaterial) +
              widen(costing.TestPointsMaterial) + widen(costing.VentDrainMaterial) +
              widen(costing.BlygoldLabour) + widen(costing.EliminatorsLabour));
    costing.MaterialCost = costing.BlockMaterial;
    costing.TotalCost = store(widen(costing.LabourCost) + widen(costing.BlockMaterial) +
                              widen(costing.SheetMetalCost) + widen(costing.OptionsCost));
    costing.SellPrice = store(widen(costing.TotalCost) / sellPriceDivisor(prices));
    costing.CarriageCost = 0;
    costing.TotalCost = store(widen(costing.TotalCost) + widen(costing.CarriageCost));
    costing.TotalWeight =
        store(widen(costing.TubeWeight) + widen(costing.FinWeight) + widen(costing.BendWeight) +
              widen(costing.HeaderAssemblyWeight) + widen(costing.SheetMetalWeight));
    costing.InternalVolume = store(widen(costing.HeaderVolume) + widen(costing.TubeVolume));
}

} // namespace rac::costmodel
