#include "summary/contact_block.h"
#include "summary/sections.h"

namespace rac::summary {

void writeClosing(LineTable& table, const platform::ClockReading& clock) {
    table.line(rule());
    table.line(clock.date + "    " + clock.time);
    table.emptyLine();
    for (const std::string_view line : kMakerAddress) {
        table.line(std::string(line));
    }
    table.emptyLine();
    for (const std::string_view line : kMakerContacts) {
        table.line(std::string(line));
    }
}

} // namespace rac::summary
