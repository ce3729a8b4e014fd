#pragma once

#include "payback/bin_grid.h"
#include "platform/form.h"

#include <string>
#include <string_view>

// The controls of the bin payback's four windows as their screen designs have them: names,
// kinds, frames, captions and design-time texts. The rules are the forms'.
namespace rac::payback::layout {

// The location window's grid, in screen order.
inline constexpr GridColumn kLocationColumns[] = {
    {"txtBinDB", "lblDB", "DB (°C)"},
    {"txtBinWB", "lblWB", "WB (°C)"},
    {"txtBinHours", "lblHours", "Hours"},
    {"txtBinRH", "lblRH", "RH (%)"},
};

// The results window's grid, in screen order: the weather, then the bin's savings.
inline constexpr GridColumn kResultColumns[] = {
    {"txtBinDB", "lblDB", "DB (°C)"},
    {"txtBinWB", "lblWB", "WB (°C)"},
    {"txtBinRH", "lblRH", "RH (%)"},
    {"txtBinHours", "lblHours", "Hours per Annum"},
    {"txtSavingKWh", "lblSavingKWh", "Saving (kWh)"},
    {"txtSavingCash", "lblSavingCash", "Saving (Cost)"},
};

// The results window's key to its row colours: the sample boxes, by season.
inline constexpr std::string_view kKeyFrame = "fraKey";
inline constexpr std::string_view kHeatingKey = "txtKeyHeating";
inline constexpr std::string_view kCoolingKey = "txtKeyCooling";
inline constexpr std::string_view kNeitherKey = "txtKeyNeither";

// The savings chart's frame of bin summaries, lblBinSummary(1) to (10).
inline constexpr std::string_view kSummaryFrame = "fraBinSummary";

void buildSelectBinDataLayout(platform::Form& form);
void buildBinDataResultsLayout(platform::Form& form);
// The chart windows: the chart, the "File" menu with "Print Window" and "Close", Print
// (Command2) and Close (Command1).
void buildChartWindowLayout(platform::Form& form, std::string title, std::string_view chart);
// The savings chart's frame of bin summaries; gives its labels.
BinCells addBinSummaries(platform::Form& form);
// The bin data chart's second Close, cmdClose.
void addBinDataClose(platform::Form& form);

} // namespace rac::payback::layout
