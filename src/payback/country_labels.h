#pragma once

#include <string>
#include <string_view>

// The currency words of the bin windows, from the country the costing screen shows. They are the
// windows' own and differ from the costing screen's ("KD" for Kuwait beside the costing's "KWD").
namespace rac::payback {

// The results window's "Coil Cost" caption with the country's currency; "Coil Cost" alone for a
// country the window has no word for.
std::string CoilCostCaption(std::string_view country);

// The label of the savings chart's cost series; empty for a country the chart has no word for.
std::string CostSeriesLabel(std::string_view country);

} // namespace rac::payback
