#pragma once

#include "cli/selection_terms.h"
#include "foundation/messages.h"
#include "platform/screen_dump.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// How the commands write what the screens showed.
namespace rac::cli {

// {"title", "text", "icon": "information" | "none", "buttons": ["OK", "Help"]}, plus
// "help": {"file", "context"} when the box has a Help button.
OrderedJson messagesJson(const std::vector<Message>& messages);
// The same list appended to out as compact JSON text, written directly: a batch writes the
// messages of every request.
void appendMessages(std::string& out, const std::vector<Message>& messages);

// {"name": "text", ...} appended to out as compact JSON text, in the order given.
template <typename Name>
void appendTextObject(std::string& out, const std::vector<std::pair<Name, std::string>>& texts) {
    out += '{';
    std::string_view separator;
    for (const auto& [name, text] : texts) {
        out += separator;
        separator = ",";
        appendQuoted(out, name);
        out += ':';
        appendQuoted(out, text);
    }
    out += '}';
}

// {"@state": ..., control: {field: value, ...}, ...} in the order the form added its controls.
OrderedJson formDumpJson(const platform::FormDump& dump);

} // namespace rac::cli
