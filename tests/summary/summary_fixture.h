#pragma once

#include "costing_screen.h"
#include "mainscreen/main_screen_fixture.h"
#include "platform/clock.h"
#include "platform/form.h"
#include "summary/sections.h"
#include "summary/summary_document.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace rac::summary {

inline void PrintTo(const SummaryLine& line, std::ostream* out) {
    *out << '{' << ::testing::PrintToString(line.label) << ", "
         << ::testing::PrintToString(line.value) << ", " << ::testing::PrintToString(line.unit)
         << '}';
}

} // namespace rac::summary

namespace rac::summary::testing_support {

// The main screen after start-up and its costing screen, summarised.
class Summary : public mainscreen::testing_support::MainScreen {
  protected:
    LineTable table(bool costingDone = true) const {
        return buildSummaryTable({main, &costing.form, costingDone, clock});
    }

    // The lines of the costing part: after the "COSTING" heading and its empty line, up to the
    // closing rule.
    static std::vector<SummaryLine> costingLines(const LineTable& table) {
        std::vector<SummaryLine> lines;
        for (int row = 58; row < table.used() && table.row(row).label != rule(); ++row) {
            lines.push_back(table.row(row));
        }
        return lines;
    }

    // The lines under a heading, up to the empty line that ends its block.
    static std::vector<SummaryLine> block(const LineTable& table, std::string_view heading) {
        const std::vector<SummaryLine> lines = costingLines(table);
        auto at = std::find_if(lines.begin(), lines.end(),
                               [&](const SummaryLine& line) { return line.label == heading; });
        EXPECT_NE(at, lines.end()) << heading;
        std::vector<SummaryLine> found;
        for (++at; at < lines.end() && *at != SummaryLine{}; ++at) {
            found.push_back(*at);
        }
        return found;
    }

    static std::vector<std::string> labels(const std::vector<SummaryLine>& lines) {
        std::vector<std::string> out;
        for (const SummaryLine& line : lines) {
            out.push_back(line.label);
        }
        return out;
    }

    CostingScreen costing;
    platform::ClockReading clock{"2024-03-05", "14:07"};
};

} // namespace rac::summary::testing_support
