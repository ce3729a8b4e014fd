#include "foundation/rtf_writer.h"

#include "foundation/utf8.h"

#include <array>
#include <charconv>

namespace rac {

namespace {

// RTF states font sizes in half points, and 8.25 pt would be \fs16.5. The box's 8.25 pt is the
// 11 pixels of a 96 dpi screen; \fs16 and \fs17 are equally near, and \fs17 (8.5 pt) keeps the
// saved and printed text no smaller than the box shows it.
constexpr std::string_view kHeader = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
                                     "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
                                     "\\pard\\plain\\f0\\fs17\\b ";

// Printable ASCII that RTF takes as it is, by byte.
constexpr std::array<bool, 256> kPlain = [] {
    std::array<bool, 256> plain{};
    for (std::size_t c = 0x20; c < 0x7F; ++c) {
        plain[c] = c != '\\' && c != '{' && c != '}';
    }
    return plain;
}();

void put(std::string& rtf, std::string_view piece) {
    rtf.append(piece.data(), piece.size());
}

void putCodeUnit(std::string& rtf, char32_t unit) {
    const int value = static_cast<int>(unit);
    char digits[8];
    // \u takes a signed 16-bit value
    const auto end =
        std::to_chars(digits, digits + sizeof digits, value > 0x7FFF ? value - 0x10000 : value);
    put(rtf, "\\u");
    rtf.append(digits, end.ptr);
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
    std::string rtf;
    rtf.reserve(kHeader.size() + text.size() * 2 + 1);
    put(rtf, kHeader);
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = at;
        while (end < text.size() && kPlain[static_cast<unsigned char>(text[end])]) {
            ++end;
        }
        put(rtf, text.substr(at, end - at));
        if (end == text.size()) {
            break;
        }
        at = end + 1;
        const char c = text[end];
        if (c == '\n' || c == '\r') {
            if (c == '\r' && at < text.size() && text[at] == '\n') {
                ++at; // one line end
            }
            put(rtf, "\\par\n"); // the file's own line breaks keep it readable; RTF ignores them
        } else if (c == '\t') {
            put(rtf, "\\tab ");
        } else if (c == '\\' || c == '{' || c == '}') {
            rtf += '\\';
            rtf += c;
        } else {
            const utf8::Decoded decoded = utf8::decodeAt(text, end);
            putCharacter(rtf, decoded.character);
            at = end + decoded.length;
        }
    }
    rtf += '}';
    return rtf;
}

} // namespace rac
