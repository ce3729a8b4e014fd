#pragma once

#include "costmodel/sheet_materials.h"

#include <array>
#include <optional>
#include <string_view>

// The unit prices and rates of the cost model, in pounds sterling.
namespace rac::costmodel {

inline constexpr double kDefaultGrossMarginPercent = 60;

// Braze materials in the order the costing screen lists them; their prices per joint are in the
// price table at the same positions.
inline constexpr std::array<std::string_view, 3> kBrazeMaterials{"Phos 0", "Phos 5", "35  Silver"};

struct PriceTable {
    float GrossMarginPercent = 0;
    float AluminiumFinPricePerKg = 0;
    float CopperFinPricePerKg = 0;
    float VinylFinPricePerKg = 0;
    float TubePricePerKg = 0;
    float BendPrice = 0;                                     // per return bend
    float FixingsPrice = 0;                                  // per coil
    std::array<float, kSheetMaterials.size()> SheetPrices{}; // per m2, as kSheetMaterials
    std::array<float, kBrazeMaterials.size()> BrazePrices{}; // per joint, as kBrazeMaterials
    float BlygoldFinAreaPrice = 0;                           // per m2 of fin surface
    float BlygoldFaceAreaPrice = 0;                          // per m2 of face area
    float BlygoldLabourPrice = 0;                            // per coil
    float EliminatorBladeSpacing = 0;                        // mm
    float EliminatorSupportSpacing = 0;                      // mm
    float EliminatorBladePrice = 0;
    float EliminatorSupportPrice = 0;
    float NutsertPrice = 0;
    float ETAMPricePerM2 = 0;
    float GAMPrice = 0;
    float PreTinnedFinPricePerKg = 0;
    float LabourRatePerHour = 0;
    float VentDrainPrice = 0;
    float TestPointsPrice = 0;
};

// Rebuilds the table. The gross margin is the one entered when the gross margin box is ticked
// (its numeric value), otherwise the default 60 %.
void LoadPriceTable(PriceTable& table, std::optional<double> enteredGrossMargin);

// Price per joint of a braze material; 0 for a name that is not one of the three.
double brazePrice(const PriceTable& table, std::string_view material);

} // namespace rac::costmodel
