#include "costmodel/price_table.h"

#include "foundation/numbers.h"

namespace rac::costmodel {

using numbers::store;

void LoadPriceTable(PriceTable& table, std::optional<double> enteredGrossMargin) {
    table.GrossMarginPercent = store(enteredGrossMargin.value_or(kDefaultGrossMarginPercent));
    table.AluminiumFinPricePerKg = 2.5f;
    table.CopperFinPricePerKg = 3.0f;
    table.VinylFinPricePerKg = 3.4f;
    table.TubePricePerKg = 3.0f;
    table.BendPrice = 0.14f;
    table.FixingsPrice = 1.0f;
    table.SheetPrices = {10.0f, 12.5f, 18.75f, 45.15f, 65.02f, 60.02f, 86.69f,
                         7.5f,  9.38f, 14.06f, 57.9f,  66.35f, 26.65f};
    table.BrazePrices = {0.1f, 0.2f, 0.8f};
    table.BlygoldFinAreaPrice = 1.2f;
    table.BlygoldFaceAreaPrice = 10.0f;
    table.BlygoldLabourPrice = 6.0f;
    table.EliminatorBladeSpacing = 25.0f;
    table.EliminatorSupportSpacing = 400.0f;
    table.EliminatorBladePrice = 1.45f;
    table.EliminatorSupportPrice = 1.25f;
    table.NutsertPrice = 0.2f;
    table.ETAMPricePerM2 = 1.3f;
    table.GAMPrice = 600.0f;
    table.PreTinnedFinPricePerKg = 3.77f;
    table.LabourRatePerHour = 6.0f;
    table.VentDrainPrice = 3.0f;
    table.TestPointsPrice = 5.0f;
}

double brazePrice(const PriceTable& table, std::string_view material) {
    for (std::size_t i = 0; i < kBrazeMaterials.size(); ++i) {
        if (kBrazeMaterials[i] == material) {
            return table.BrazePrices[i];
        }
    }
    return 0.0;
}

} // namespace rac::costmodel
