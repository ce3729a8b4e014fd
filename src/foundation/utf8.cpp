#include "foundation/utf8.h"

namespace rac::utf8 {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0u) == 0x80u;
}

bool isScalar(char32_t c) {
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

} // namespace

std::optional<std::vector<char32_t>> decode(std::string_view text) {
    std::vector<char32_t> characters;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t c = 0;
        char32_t smallest = 0;
        if (lead < 0x80u) {
            length = 1;
            c = lead;
        } else if ((lead & 0xE0u) == 0xC0u) {
            length = 2;
            c = lead & 0x1Fu;
            smallest = 0x80;
        } else if ((lead & 0xF0u) == 0xE0u) {
            length = 3;
            c = lead & 0x0Fu;
            smallest = 0x800;
        } else if ((lead & 0xF8u) == 0xF0u) {
            length = 4;
            c = lead & 0x07u;
            smallest = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + length > text.size()) {
            return std::nullopt;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            if (!isContinuation(byte)) {
                return std::nullopt;
            }
            c = (c << 6) | (byte & 0x3Fu);
        }
        if (c < smallest || !isScalar(c)) {
            return std::nullopt;
        }
        characters.push_back(c);
        i += length;
    }
    return characters;
}

std::string encode(char32_t c) {
    std::string bytes;
    if (!isScalar(c)) {
        return bytes;
    }
    if (c < 0x80) {
        bytes += static_cast<char>(c);
    } else if (c < 0x800) {
        bytes += static_cast<char>(0xC0u | (c >> 6));
        bytes += static_cast<char>(0x80u | (c & 0x3Fu));
    } else if (c < 0x10000) {
        bytes += static_cast<char>(0xE0u | (c >> 12));
        bytes += static_cast<char>(0x80u | ((c >> 6) & 0x3Fu));
        bytes += static_cast<char>(0x80u | (c & 0x3Fu));
    } else {
        bytes += static_cast<char>(0xF0u | (c >> 18));
        bytes += static_cast<char>(0x80u | ((c >> 12) & 0x3Fu));
        bytes += static_cast<char>(0x80u | ((c >> 6) & 0x3Fu));
        bytes += static_cast<char>(0x80u | (c & 0x3Fu));
    }
    return bytes;
}

std::string withoutLast(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && isContinuation(static_cast<unsigned char>(text[end - 1]))) {
        --end;
    }
    if (text.empty()) {
        return {};
    }
    const std::size_t trailing = text.size() - end;
    const auto lead = end > 0 ? static_cast<unsigned char>(text[end - 1]) : 0u;
    const std::size_t expected = lead >= 0xF0u ? 3 : lead >= 0xE0u ? 2 : lead >= 0xC0u ? 1 : 0;
    if (end == 0 || trailing != expected) {
        return std::string(text.substr(0, text.size() - 1));
    }
    return std::string(text.substr(0, end - 1));
}

} // namespace rac::utf8
