#include "summary/summary_document.h"

#include "summary/sections.h"

namespace rac::summary {

LineTable buildSummaryTable(const SummarySources& sources) {
    LineTable table;
    writeMainScreen(table, sources.main);
    writeCosting(table, CostingReader(sources.costing, sources.CostingDone));
    writeClosing(table, sources.clock);
    return table;
}

std::string summaryText(const SummarySources& sources) {
    return buildSummaryTable(sources).text();
}

std::string withComment(std::string_view text, std::string_view comment) {
    std::string commented(text);
    commented += '\n';
    commented += comment;
    return commented;
}

} // namespace rac::summary
