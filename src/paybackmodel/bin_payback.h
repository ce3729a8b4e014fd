#pragma once

#include "paybackmodel/bin_tables.h"

#include <array>
#include <optional>
#include <string_view>

// The payback over the weather bins of the loaded location: the design duty scaled to each bin's
// dry bulb, saved for the bin's hours.
namespace rac::paybackmodel {

// Whether the supply coil heats or cools in a bin, from the extract air on temperature.
enum class Season { Neither, Heating, Cooling };

// "Heating", "Cooling" or "Neither".
std::string_view SeasonText(Season season);

struct BinPaybackInputs {
    float DutyWatts = 0;   // Q: supply coil duty of the last calculation, W
    float DBExtractOn = 0; // T_ext: extract air on of the last calculation, C
    float DBSupplyOn = 0;  // T_sup: supply air on of the last calculation, C
    // The extract air on temperature as the main screen shows it now (the value its text reads
    // as); it decides each bin's season.
    double ExtractOnShown = 0;
    double EnergyCost = 0; // E: local currency per kWh, as read from its field
    double LocalPrice = 0; // P: ex-works price of both coils in local currency
};

// Per bin (element n - 1 for bin n) and in total. The grid shows each bin's kWh as its absolute
// value (ShownSavingKWh).
struct BinPayback {
    std::array<Season, kBinCount> BinSeason{};
    BinValues BinSavingKWh{};  // signed: negative where the bin works against the design
    BinValues BinSavingCash{}; // never negative; a cooling bin's kWh are worth a third
    float SavingKWhTotal = 0;  // sum of the absolute kWh
    float SavingCashTotal = 0;
    std::optional<float> PaybackMonths; // none when SavingCashTotal is zero

    float ShownSavingKWh(int binIndex) const;
};

// When the design supply and extract air on temperatures are equal the duty cannot be scaled
// to the bins: every bin then saves nothing and there is no payback.
BinPayback CalcBinPayback(const BinPaybackInputs& inputs, const BinTables& bins);

} // namespace rac::paybackmodel
