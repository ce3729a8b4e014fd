#include "paybackmodel/bin_payback.h"

#include "foundation/numbers.h"
#include "paybackmodel/payback_months.h"

#include <cmath>
#include <cstddef>

namespace rac::paybackmodel {

using numbers::store;
using numbers::widen;

namespace {

// The shown temperature is taken to single precision, the precision of the bin tables: compared
// as a double, 21.6 would differ from a bin of 21.6f and a bin with no duty would be classed
// "Cooling" instead of "Neither".
Season ClassifyBin(double extractOnShown, float binDB) {
    const float extractOn = store(extractOnShown);
    if (extractOn > binDB) {
        return Season::Heating;
    }
    if (extractOn < binDB) {
        return Season::Cooling;
    }
    return Season::Neither;
}

// T_ext - T_sup, by which the duty is scaled to each bin; none when the two are equal.
std::optional<double> DesignDifference(const BinPaybackInputs& inputs) {
    const double difference = widen(inputs.DBExtractOn) - widen(inputs.DBSupplyOn);
    if (difference == 0.0) {
        return std::nullopt;
    }
    return difference;
}

} // namespace

std::string_view SeasonText(Season season) {
    switch (season) {
    case Season::Heating:
        return "Heating";
    case Season::Cooling:
        return "Cooling";
    case Season::Neither:
        break;
    }
    return "Neither";
}

float BinPayback::ShownSavingKWh(int binIndex) const {
    return std::fabs(BinSavingKWh[static_cast<std::size_t>(binIndex)]);
}

BinPayback CalcBinPayback(const BinPaybackInputs& inputs, const BinTables& bins) {
    BinPayback result;
    const std::optional<double> designDifference = DesignDifference(inputs);
    for (std::size_t i = 0; i < kBinCount; ++i) {
        const Season season = ClassifyBin(inputs.ExtractOnShown, bins.BinDB[i]);
        result.BinSeason[i] = season;
        if (designDifference) {
            const double binDutyWatts = (widen(inputs.DBExtractOn) - widen(bins.BinDB[i])) /
                                        *designDifference * widen(inputs.DutyWatts);
            result.BinSavingKWh[i] = store(binDutyWatts / 1000.0 * widen(bins.BinHours[i]));
        }
        double cash = std::fabs(inputs.EnergyCost * widen(result.BinSavingKWh[i]));
        if (season == Season::Cooling) {
            cash /= 3.0; // a chiller gives about three kWh of cooling per kWh of energy it uses
        }
        result.BinSavingCash[i] = store(cash);
        // The totals are running single-precision sums, stored after each bin.
        result.SavingKWhTotal =
            store(widen(result.SavingKWhTotal) + std::fabs(widen(result.BinSavingKWh[i])));
        result.SavingCashTotal =
            store(widen(result.SavingCashTotal) + widen(result.BinSavingCash[i]));
    }
    result.PaybackMonths = CalcPaybackMonths(inputs.LocalPrice, result.SavingCashTotal);
    return result;
}

} // namespace rac::paybackmodel
