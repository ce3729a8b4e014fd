#include "summary/line_table.h"

#include <stdexcept>

namespace rac::summary {

namespace {

const SummaryLine kEmptyLine;

// Each row's line feed, its two tabs after the label, one after the value and one after the
// unit, and the tab between the two columns that stay empty.
constexpr std::size_t kSeparators = 6;

} // namespace

void LineTable::line(std::string label, std::string value, std::string unit) {
    if (rows_.size() >= kTableRows) {
        throw std::logic_error("The summary has more lines than its table holds");
    }
    rows_.emplace_back(std::move(label), std::move(value), std::move(unit));
}

void LineTable::emptyLine() {
    line({});
}

const SummaryLine& LineTable::row(int index) const {
    if (index < 0 || index >= kTableRows) {
        throw std::out_of_range("The summary has no row " + std::to_string(index));
    }
    return index < used() ? rows_[static_cast<std::size_t>(index)] : kEmptyLine;
}

std::string LineTable::text() const {
    std::size_t size = row(0).label.size() + kLastShownRow * kSeparators;
    for (int index = 1; index <= kLastShownRow; ++index) {
        const SummaryLine& line = row(index);
        size += line.label.size() + line.value.size() + line.unit.size();
    }
    std::string text;
    text.reserve(size);
    text += row(0).label;
    for (int index = 1; index <= kLastShownRow; ++index) {
        const SummaryLine& line = row(index);
        text += '\n';
        text += line.label;
        text += "\t\t";
        text += line.value;
        text += '\t';
        text += line.unit;
        text += "\t\t";
    }
    return text;
}

} // namespace rac::summary
