#include "summary/line_table.h"

#include <stdexcept>

namespace rac::summary {

void LineTable::line(std::string label, std::string value, std::string unit) {
    if (next_ >= kTableRows) {
        throw std::logic_error("The summary has more lines than its table holds");
    }
    rows_[static_cast<std::size_t>(next_++)] = {std::move(label), std::move(value),
                                                std::move(unit)};
}

void LineTable::emptyLine() {
    line({});
}

std::string LineTable::text() const {
    std::string text = rows_[0].label;
    text.reserve(8 * 1024);
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
