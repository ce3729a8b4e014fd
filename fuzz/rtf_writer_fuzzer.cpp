// Writing any bytes as a Rich Text document: the document is printable ASCII with balanced
// groups, and reading it back gives the text again, each ill-formed UTF-8 sequence as U+FFFD
// and each carriage return (alone or before a line feed) as a line feed.
#include "foundation/rtf_reader.h"
#include "foundation/rtf_writer.h"
#include "foundation/utf8.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

void require(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

bool printable(char c) {
    return c >= 0x20 && c < 0x7F;
}

// Printable ASCII and the line feeds that keep the file readable; braces balance once escaped
// ones are passed over, and no group closes that was not opened.
bool asciiWithBalancedGroups(std::string_view rtf) {
    int depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (!printable(c) && c != '\n') {
            return false;
        }
        if (c == '\\') {
            if (++i >= rtf.size() || !printable(rtf[i])) {
                return false;
            }
        } else if (c == '{') {
            ++depth;
        } else if (c == '}' && --depth < 0) {
            return false;
        }
    }
    return depth == 0;
}

std::string withLineFeeds(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        out += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string rtf = rac::rtfOfPlainText(input);
    require(rtf.starts_with("{\\rtf1") && rtf.ends_with("}"));
    require(asciiWithBalancedGroups(rtf));

    const std::string read = rac::plainTextOfRtf(rtf);
    require(rac::utf8::decode(read).has_value());
    if (rac::utf8::decode(input)) {
        require(read == withLineFeeds(input));
        return 0;
    }
    std::string replaced;
    for (std::size_t at = 0; at < input.size();) {
        const rac::utf8::Decoded decoded = rac::utf8::decodeAt(input, at);
        replaced += rac::utf8::encode(decoded.character);
        at += decoded.length;
    }
    require(replaced.find("\uFFFD") != std::string::npos);
    require(read == withLineFeeds(replaced));
    return 0;
}
