#pragma once

#include "costmodel/coil_costing.h"
#include "foundation/numbers.h"
#include "mainscreen/side_names.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The lines of the costing breakdown window: each a caption in a frame with a box per coil
// (txtFinsMaterialSupply, txtFinsMaterialExtract), two option lines with a labour box beside the
// material box.
namespace rac::costing {

struct BreakdownValue {
    std::string_view name; // the boxes are "txt" + name + side
    float costmodel::CoilCosting::*field;
    numbers::Pattern pattern; // money "0.00", weights "0.0"
};

// The box of the value for the coil: "txtFinsMaterialSupply".
inline std::string breakdownBox(const BreakdownValue& value, coil::CoilSide side) {
    return mainscreen::sided("txt" + std::string(value.name), side);
}

struct BreakdownLine {
    std::string_view frame;
    std::string_view caption;
    BreakdownValue value;
    std::optional<BreakdownValue> labour;
};

struct BreakdownFrame {
    std::string_view name;
    std::string_view caption;
};

inline constexpr std::array<BreakdownFrame, 6> kBreakdownFrames{{
    {"fraBlockcost", "Blockcost"},
    {"fraLabourOperations", "Labour operations"},
    {"fraOptions", "Options"},
    {"fraSheetMetal", "Sheet Metal"},
    {"fraWeight", "Weight (kg)"},
    {"fraCostingBreakdown", "Costing Breakdown"},
}};

namespace breakdown_detail {
using C = costmodel::CoilCosting;
constexpr auto money = numbers::Pattern::TwoDecimals;
constexpr auto weight = numbers::Pattern::OneDecimal;
} // namespace breakdown_detail

inline constexpr std::array<BreakdownLine, 42> kBreakdownLines = [] {
    using namespace breakdown_detail;
    using V = BreakdownValue;
    return std::array<BreakdownLine, 42>{{
        {"fraBlockcost", "Fins", V{"FinsMaterial", &C::FinsMaterial, money}, {}},
        {"fraBlockcost",
         "Header Assembly",
         V{"HeaderAssemblyMaterial", &C::HeaderAssemblyMaterial, money},
         {}},
        {"fraBlockcost", "Tubes", V{"TubesMaterial", &C::TubesMaterial, money}, {}},
        {"fraBlockcost", "Bends", V{"BendsMaterial", &C::BendsMaterial, money}, {}},
        {"fraBlockcost", "Braze", V{"BrazeMaterialCost", &C::BrazeMaterialCost, money}, {}},
        {"fraBlockcost", "Fix", V{"FixMaterial", &C::FixMaterial, money}, {}},
        {"fraLabourOperations", "Fins", V{"LabourFins", &C::FinsLabour, money}, {}},
        {"fraLabourOperations", "Tubes", V{"LabourTubes", &C::TubesLabour, money}, {}},
        {"fraLabourOperations", "Casing", V{"LabourCasing", &C::CasingLabour, money}, {}},
        {"fraLabourOperations", "Expansion", V{"LabourExpansion", &C::ExpansionLabour, money}, {}},
        {"fraLabourOperations", "Brazing ", V{"LabourBrazing", &C::BrazingLabour, money}, {}},
        {"fraLabourOperations", "Testing", V{"LabourTesting", &C::TestingLabour, money}, {}},
        {"fraLabourOperations", "Spraying", V{"LabourSpraying", &C::SprayingLabour, money}, {}},
        {"fraLabourOperations", "Finishing", V{"LabourFinishing", &C::FinishingLabour, money}, {}},
        {"fraLabourOperations", "Packaging", V{"LabourPackaging", &C::PackagingLabour, money}, {}},
        {"fraLabourOperations",
         "Header/Connection",
         V{"LabourHeaderConnection", &C::HeaderConnectionLabour, money},
         {}},
        {"fraOptions", "Eliminators", V{"EliminatorsMaterial", &C::EliminatorsMaterial, money},
         V{"EliminatorsLabour", &C::EliminatorsLabour, money}},
        {"fraOptions", "Stifferners", V{"StiffenersMaterial", &C::StiffenersMaterial, money}, {}},
        {"fraOptions", "Nutserts", V{"NutsertsMaterial", &C::NutsertsMaterial, money}, {}},
        {"fraOptions", "GAM", V{"GAMMaterial", &C::GAMMaterial, money}, {}},
        {"fraOptions", "Vent / Drain", V{"VentDrainMaterial", &C::VentDrainMaterial, money}, {}},
        {"fraOptions", "Test Points", V{"TestPointsMaterial", &C::TestPointsMaterial, money}, {}},
        {"fraOptions", "Blygold Coated", V{"BlygoldMaterial", &C::BlygoldMaterial, money},
         V{"BlygoldLabour", &C::BlygoldLabour, money}},
        {"fraOptions", "ETAM", V{"ETAMMaterial", &C::ETAMMaterial, money}, {}},
        {"fraOptions",
         "Pre Tinned Copper Fins",
         V{"PreTinnedFinsMaterial", &C::PreTinnedFinsMaterial, money},
         {}},
        {"fraOptions",
         "Connection Flanges",
         V{"ConnectionFlangesMaterial", &C::ConnectionFlangesMaterial, money},
         {}},
        {"fraSheetMetal", "End Plates", V{"EndPlates", &C::EndPlates, money}, {}},
        {"fraSheetMetal", "Side Plates", V{"SidePlates", &C::SidePlates, money}, {}},
        {"fraSheetMetal", "CSP", V{"CSP", &C::CSP, money}, {}},
        {"fraSheetMetal", "Drainpan", V{"DrainpanCost", &C::DrainpanCost, money}, {}},
        {"fraSheetMetal", "Baffle Plates", V{"BafflePlates", &C::BafflePlates, money}, {}},
        {"fraSheetMetal", "Cover Plates", V{"CoverPlates", &C::CoverPlates, money}, {}},
        {"fraWeight", "Fins", V{"FinWeight", &C::FinWeight, weight}, {}},
        {"fraWeight", "Tubes", V{"TubeWeight", &C::TubeWeight, weight}, {}},
        {"fraWeight", "Bends", V{"BendWeight", &C::BendWeight, weight}, {}},
        {"fraWeight",
         "Header Assembly",
         V{"HeaderAssemblyWeight", &C::HeaderAssemblyWeight, weight},
         {}},
        {"fraWeight", "Sheet Metal", V{"SheetMetalWeight", &C::SheetMetalWeight, weight}, {}},
        {"fraCostingBreakdown", "Labour (£)", V{"LabourCost", &C::LabourCost, money}, {}},
        {"fraCostingBreakdown", "Material (£)", V{"MaterialCost", &C::MaterialCost, money}, {}},
        {"fraCostingBreakdown",
         "Sheet Metal (£)",
         V{"SheetMetalCost", &C::SheetMetalCost, money},
         {}},
        {"fraCostingBreakdown", "Options (£)", V{"OptionsCost", &C::OptionsCost, money}, {}},
        {"fraCostingBreakdown", "Cost (£)", V{"TotalCost", &C::TotalCost, money}, {}},
    }};
}();

} // namespace rac::costing
