#pragma once

#include "calculation/calc_context.h"
#include "calculation/selection_rating.h"

#include <string>
#include <vector>

namespace rac::calculation {

// What a run does as soon as it is made.
enum class Action { None, Select, Rate };

// One independent calculation with its recorded messages.
struct EngineRun {
    RecordingMessageSink sink;
    CalcState state;
    CalcContext ctx{sink, state};

    explicit EngineRun(const RunAroundData& request, Action action = Action::None) {
        ctx.data = request;
        if (action == Action::Select) {
            select();
        } else if (action == Action::Rate) {
            rate();
        }
    }

    void select(Target target = Target::AirOffDB) { SelectRunAround(ctx, target); }
    void rate() { RateRunAround(ctx); }

    std::vector<std::string> titles() const {
        std::vector<std::string> out;
        for (const auto& m : sink.shown()) {
            out.push_back(m.title);
        }
        return out;
    }
};

} // namespace rac::calculation
