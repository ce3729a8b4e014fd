#pragma once

#include <string>
#include <utility>
#include <vector>

// The summary is laid out in a table of lines before it becomes text: each line a label, a value
// and a unit, written one after another from row 0.
namespace rac::summary {

// Rows 0 to 150; row 150 is never shown.
inline constexpr int kTableRows = 151;
inline constexpr int kLastShownRow = 149;

struct SummaryLine {
    SummaryLine() = default;
    SummaryLine(std::string labelText, std::string valueText = {}, std::string unitText = {})
        : label(std::move(labelText)), value(std::move(valueText)), unit(std::move(unitText)) {}

    std::string label; // or a whole line: title, heading, rule, date, contact block
    std::string value;
    std::string unit;

    friend bool operator==(const SummaryLine&, const SummaryLine&) = default;
};

class LineTable {
  public:
    LineTable() { rows_.reserve(kTableRows); }

    // Writes the next row. More rows than the table holds is a fault of the layout
    // (std::logic_error): no summary comes near.
    void line(std::string label, std::string value = {}, std::string unit = {});
    void emptyLine();

    // A row never written is empty.
    const SummaryLine& row(int index) const;
    // How many rows have been written.
    int used() const { return static_cast<int>(rows_.size()); }

    // The box text: the title alone, then for each row 1 to 149 a line feed, the label, two
    // tabs, the value, a tab, the unit, and the tabs of the two columns that stay empty. Rows
    // never written show as their tabs alone.
    std::string text() const;

  private:
    std::vector<SummaryLine> rows_;
};

} // namespace rac::summary
