#pragma once

#include <optional>

// The payback at design conditions: the design duty saved for the yearly running hours.
namespace rac::paybackmodel {

struct DesignPaybackInputs {
    float DutyWatts = 0;     // Q: supply coil duty of the last calculation, W
    double RunningHours = 0; // H: per year, as read from its field
    double EnergyCost = 0;   // E: local currency per kWh, as read from its field
    double LocalPrice = 0;   // P: ex-works price of both coils in local currency
};

struct DesignPayback {
    float AnnualEnergySaving = 0;       // S, kWh
    float AnnualEnergyCostSaving = 0;   // C, local currency
    std::optional<float> PaybackMonths; // M; none when C is zero
};

// S = Q / 1000 x H, C = S x E, M = P / C x 12, each stored as it is worked out.
DesignPayback CalcDesignPayback(const DesignPaybackInputs& inputs);

} // namespace rac::paybackmodel
