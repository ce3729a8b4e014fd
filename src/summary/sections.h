#pragma once

#include "platform/clock.h"
#include "platform/form.h"
#include "summary/costing_reader.h"
#include "summary/line_table.h"

#include <string>

// The parts of the summary, each written at the table's next rows.
namespace rac::summary {

// Title, mode, air side, fluid side and both coils, up to the "COSTING" heading.
void writeMainScreen(LineTable& table, const platform::Form& main);
// Casings, coil blocks, sub-totals, payback and the run-around totals.
void writeCosting(LineTable& table, const CostingReader& costing);
// The closing rule, the date and time, and the maker's contact block.
void writeClosing(LineTable& table, const platform::ClockReading& clock);

// A rule across the page.
std::string rule();

} // namespace rac::summary
