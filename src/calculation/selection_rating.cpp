#include "calculation/selection_rating.h"

#include "calculation/air_side.h"
#include "calculation/coil_rating.h"
#include "calculation/coil_selection.h"
#include "foundation/numbers.h"

#include <algorithm>
#include <cmath>

namespace rac::calculation {

using coil::CoilSide;
using numbers::store;

void SelectRunAround(CalcContext& ctx, Target target) {
    CalcTargetAirSide(ctx, target);
    if (ctx.CalcAbort) {
        return;
    }
    SelectCoilOnSide(ctx, CoilSide::Supply);
    if (ctx.CalcAbort) {
        return;
    }
    SelectCoilOnSide(ctx, CoilSide::Extract);
}

namespace {

bool BothCoilsSatisfied(const RunAroundData& data) {
    return data.Supply.AchievedEff >= data.Supply.RequiredEff &&
           data.Extract.AchievedEff >= data.Extract.RequiredEff;
}

} // namespace

double RatingEffectivenessStep(float ratingError) {
    // The thresholds are single precision, as the mismatch is.
    if (ratingError > 0.2f) {
        return 0.02;
    }
    if (ratingError > 0.1f) {
        return 0.01;
    }
    return 0.005;
}

void RateRunAround(CalcContext& ctx) {
    RunAroundData& data = ctx.data;
    data.AirSpecificHeat = 1000.0f;
    data.AirDensity = 1.21f;
    CalcFaceAreas(data);
    data.Effectiveness = 0.82f;
    data.RatingError = 0.3f;
    data.Supply.AchievedEff = 0.5f;
    data.Supply.RequiredEff = 0.6f;

    while (!BothCoilsSatisfied(data)) {
        data.Effectiveness = store(static_cast<double>(data.Effectiveness) -
                                   RatingEffectivenessStep(data.RatingError));
        if (data.Effectiveness <= 0) {
            ctx.abortWith(information(
                "Unsuitable Coil",
                "Unsuitable supply and/or extract coil configuration. Increase the number of "
                "rows. If the supply and extract number of rows are different, increase the "
                "lesser value first. If the supply and extract number of rows are the same, "
                "increase both."));
            return;
        }
        CalcMaxDuty(data);
        data.Duty =
            store(static_cast<double>(data.MaxDuty) * static_cast<double>(data.Effectiveness));
        CalcSupplyOffFromDuty(data);
        CalcExtractOffFromSupplyOff(data);
        EstimateLoopTemperatures(data);

        for (CoilSide side : {CoilSide::Supply, CoilSide::Extract}) {
            RateCoilOnSide(ctx, side);
            if (ctx.CalcAbort) {
                return;
            }
        }
        const float supplyError = std::fabs(data.Supply.RequiredEff - data.Supply.AchievedEff);
        const float extractError = std::fabs(data.Extract.RequiredEff - data.Extract.AchievedEff);
        data.RatingError = std::max(supplyError, extractError);
    }
}

} // namespace rac::calculation
