#include "foundation/rtf_writer.h"

#include "foundation/utf8.h"

namespace rac {

namespace {

// RTF states font sizes in half points, and 8.25 pt would be \fs16.5. The box's 8.25 pt is the
// 11 pixels of a 96 dpi screen; \fs16 and \fs17 are equally near, and \fs17 (8.5 pt) keeps the
// saved and printed text no smaller than the box shows it.
constexpr std::string_view kHeader = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
                                     "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
                                     "\\pard\\plain\\f0\\fs17\\b ";

void putCodeUnit(std::string& rtf, char32_t unit) {
    const long value = static_cast<long>(unit);
    rtf += "\\u";
    rtf += std::to_string(value > 0x7FFF ? value - 0x10000 : value); // \u takes a signed 16 bits
    rtf += '?';
}

// One group per character: some readers take whatever follows the '?' up to the next space or
// control as part of the \u word and drop it ("m\u179?/s" read as "m³"); the closing brace ends
// it for them.
void putCharacter(std::string& rtf, char32_t c) {
    rtf += '{';
    if (c > 0xFFFF) {
        const char32_t offset = c - 0x10000;
        putCodeUnit(rtf, 0xD800 + (offset >> 10));
        putCodeUnit(rtf, 0xDC00 + (offset & 0x3FF));
    } else {
        putCodeUnit(rtf, c);
    }
    rtf += '}';
}

} // namespace

std::string rtfOfPlainText(std::string_view text) {
    const std::u32string characters = utf8::decodeReplacing(text);
    std::string rtf(kHeader);
    rtf.reserve(kHeader.size() + text.size() + text.size() / 4 + 1);
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const char32_t c = characters[i];
        if (c == U'\r' && i + 1 < characters.size() && characters[i + 1] == U'\n') {
            continue; // the line feed that follows ends the line
        }
        if (c == U'\n' || c == U'\r') {
            rtf += "\\par\n"; // the file's own line breaks keep it readable; RTF ignores them
        } else if (c == U'\t') {
            rtf += "\\tab ";
        } else if (c == U'\\' || c == U'{' || c == U'}') {
            rtf += '\\';
            rtf += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            rtf += static_cast<char>(c);
        } else {
            putCharacter(rtf, c);
        }
    }
    rtf += '}';
    return rtf;
}

} // namespace rac
