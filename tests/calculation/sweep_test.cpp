// A sweep over thousands of valid requests: every calculation either completes with finite
// results or stops with a message; none crashes or hands on a non-finite number.
#include "calculation/startup_request.h"
#include "coil/catalogue.h"
#include "engine_run.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace rac::calculation {
namespace {

class RequestGenerator {
  public:
    explicit RequestGenerator(unsigned seed) : random_(seed) {}

    double uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    // One decimal, as typed on the screen.
    float typed(double low, double high) {
        return static_cast<float>(std::round(uniform(low, high) * 10.0) / 10.0);
    }

    void coil(RunAroundCoil& c, bool rating) {
        c.TubeDiameter = pick(2) == 0 ? "12mm" : "16mm";
        const auto fins = coil::finTypesOffered(c.TubeDiameter);
        c.FinMatType = fins[static_cast<std::size_t>(pick(static_cast<int>(fins.size())))];
        c.TubesHigh = static_cast<int16_t>(4 + pick(96));
        c.FinnedHeight =
            static_cast<float>(coil::finnedHeightFromTubes(c.TubesHigh, c.TubeDiameter));
        c.FinnedLength = typed(300, 4000);
        c.NumberSections = static_cast<int16_t>(coil::sectionsFromTubes(c.TubesHigh));
        c.NumberRows = static_cast<int16_t>(1 + pick(16));
        const char* finModes[] = {"Optimise", "Fixed", "Maximum"};
        c.FinDensitySelect = rating ? "Fixed" : finModes[pick(3)];
        const bool vinyl = coil::isVinylCoated(c.FinMatType);
        c.FinDensity = static_cast<float>(c.FinDensitySelect == "Fixed" && pick(8) == 0
                                              ? 0
                                              : (vinyl ? 8 : 4) + pick(vinyl ? 7 : 11));
        const char* circuitModes[] = {"Optimise", "Fixed", "Number"};
        c.CircuitTypeSelect = circuitModes[rating ? 1 + pick(2) : pick(3)];
        const char* types[] = {"1B", "2B", "H", "P", "F", "Q", "D"};
        c.CircuitType = types[pick(7)];
        c.CircuitNumber = static_cast<int16_t>(1 + pick(120));
        c.FluidMaxPD = typed(1, 100);
    }

    RunAroundData request(bool rating) {
        RunAroundData d = StartupRequest();
        d.DBSupplyOn = typed(-25, 45);
        d.DBExtractOn = typed(-25, 45);
        while (d.DBExtractOn == d.DBSupplyOn) {
            d.DBExtractOn = typed(-25, 45);
        }
        // A supply off temperature between the two on temperatures passes the cross checks.
        const double share = uniform(0.05, 0.95);
        d.DBSupplyOff = static_cast<float>(d.DBSupplyOn + share * (d.DBExtractOn - d.DBSupplyOn));
        if (d.DBSupplyOff == d.DBSupplyOn) {
            d.DBSupplyOff = d.DBExtractOn;
        }
        d.AirVolSupply = typed(0.2, 12);
        d.AirVolExtract = typed(0.2, 12);
        d.Duty = typed(1, 300);
        d.Effectiveness = typed(1, 100);
        const char* glycols[] = {"EGS", "PGS"};
        d.GlycolSelect = glycols[pick(2)];
        d.GlycolPercent = pick(3) == 0 ? 0.0f : typed(5, 60);
        coil(d.Supply, rating);
        coil(d.Extract, rating);
        return d;
    }

  private:
    std::mt19937 random_;
};

bool Finite(const RunAroundCoil& c) {
    return std::isfinite(c.AirVel) && std::isfinite(c.AirPD) && std::isfinite(c.TotalAirPD) &&
           std::isfinite(c.ActualFluidPD) && std::isfinite(c.SelectedFinDensity) &&
           std::isfinite(c.RequiredEff) && std::isfinite(c.AchievedEff);
}

bool Finite(const RunAroundData& d) {
    return std::isfinite(d.DBSupplyOff) && std::isfinite(d.DBExtractOff) && std::isfinite(d.Duty) &&
           std::isfinite(d.Effectiveness) && std::isfinite(d.FluidT1) && std::isfinite(d.FluidT2) &&
           std::isfinite(d.FluidFlowRate) && std::isfinite(d.DutyWattsSupply) && Finite(d.Supply) &&
           Finite(d.Extract);
}

TEST(CalculationSweep, EveryRequestCompletesFiniteOrStopsWithAMessage) {
    RequestGenerator generator(20261206);
    const Target targets[] = {Target::AirOffDB, Target::Effectiveness, Target::Duty};
    int completed = 0;
    int stopped = 0;
    for (int i = 0; i < 3000; ++i) {
        const bool rating = i % 4 == 3;
        const Target target = targets[i % 3];
        EngineRun run(generator.request(rating));
        if (rating) {
            run.rate();
        } else {
            run.select(target);
        }
        const std::string label = "case " + std::to_string(i);
        if (run.ctx.CalcAbort) {
            ++stopped;
            ASSERT_FALSE(run.sink.shown().empty()) << label;
        } else {
            ++completed;
            ASSERT_TRUE(Finite(run.ctx.data)) << label;
            ASSERT_FALSE(run.ctx.data.Supply.CoilCode.empty()) << label;
            ASSERT_FALSE(run.ctx.data.Extract.CoilCode.empty()) << label;
        }
        for (const auto& message : run.sink.shown()) {
            ASSERT_FALSE(message.title.empty()) << label;
            ASSERT_FALSE(message.text.empty()) << label;
        }
    }
    // The sweep must exercise both outcomes to mean anything.
    EXPECT_GT(completed, 300);
    EXPECT_GT(stopped, 300);
}

} // namespace
} // namespace rac::calculation
