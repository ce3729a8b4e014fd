#pragma once

#include "platform/clock.h"
#include "platform/form.h"
#include "summary/line_table.h"

#include <string>
#include <string_view>

// The summary report: the inputs and results of the main screen and, when a costing is current,
// the options, costs and payback of the costing screen, as one plain text. Building it reads the
// screens and changes nothing.
namespace rac::summary {

struct SummarySources {
    const platform::Form& main;    // frmMain
    const platform::Form* costing; // frmCosting; null while no costing screen is loaded
    bool CostingDone;              // the costing screen's results are current
    platform::ClockReading clock;  // when the summary is made
};

LineTable buildSummaryTable(const SummarySources& sources);

// The text the summary box shows.
std::string summaryText(const SummarySources& sources);

// The box text with a comment added on a line of its own at the end.
std::string withComment(std::string_view text, std::string_view comment);

} // namespace rac::summary
