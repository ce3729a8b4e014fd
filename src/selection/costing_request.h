#pragma once

#include "selection/json_input.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rac::selection {

// The costing a calculation request may ask for: the costing screen opened on the calculated
// pair, the Additional Information password given, the entries made, and Calculate pressed.
struct CostingRequest {
    std::optional<std::string> password;
    // frmCosting controls (and cmbLocation) and their texts, in the order they are entered.
    std::vector<std::pair<std::string, std::string>> fields;
};

// Every frmCosting control a costing may enter, in the order it enters them: the country; per
// coil (supply, then extract) the casing, the option boxes, the braze material and the
// flanges; the payback's energy cost, exchange rate and running hours, its method and the bin
// location (cmbLocation, picked in the location window that cmdBinData opens); last the gross
// margin.
const std::vector<std::string>& CostingInputOrder();

// Reads {"password": ..., "fields": {...}}; throws InputError.
CostingRequest readCostingRequest(const Json& value);

} // namespace rac::selection
