#pragma once

#include "selection/costing_request.h"
#include "selection/json_input.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rac::selection {

enum class Mode { Selection, Rating };
enum class Target { AirOffDB, Effectiveness, Duty };

// One main-screen calculation as a batch asks for it.
struct CalculateRequest {
    Mode mode = Mode::Selection;
    Target target = Target::AirOffDB;
    // frmMain controls and their texts, in the order they are entered.
    std::vector<std::pair<std::string, std::string>> fields;
    // The costing of the calculated pair, when the request asks for one.
    std::optional<CostingRequest> costing;
};

// Every frmMain control a request may enter, in the order a calculation enters them: per coil
// (supply, then extract) the coil options, then the air temperatures, the target values, the air
// volumes, the fluid and the maximum fluid pressure drops.
const std::vector<std::string>& CalculateInputOrder();

// "Selection", "Rating"; "Air Off DB", "Effectiveness", "Duty": the texts a request names them by.
std::string_view modeName(Mode mode);
std::string_view targetName(Target target);

// Whether a user enters that frmMain control in the mode and target: a target's value is an
// entry only in Selection with that target; elsewhere it shows a result.
bool entersIn(Mode mode, Target target, std::string_view name);

// Reads {"mode": ..., "target": ..., "fields": {...}, "costing": {...}}; throws InputError.
CalculateRequest readCalculateRequest(const Json& value);

} // namespace rac::selection
