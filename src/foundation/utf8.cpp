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

// The second byte is where overlong forms, surrogates and values above U+10FFFF show, so each
// lead byte narrows its range; later continuation bytes take any 0x80 to 0xBF. Judging the
// second byte this way ends a bad sequence at the first byte that cannot belong to it.
Decoded decodeAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80u) {
        return {lead, 1, true};
    }
    std::size_t length = 0;
    unsigned char low = 0x80u;
    unsigned char high = 0xBFu;
    if (lead >= 0xC2u && lead <= 0xDFu) {
        length = 2;
    } else if (lead >= 0xE0u && lead <= 0xEFu) {
        length = 3;
        low = lead == 0xE0u ? 0xA0u : low;
        high = lead == 0xEDu ? 0x9Fu : high;
    } else if (lead >= 0xF0u && lead <= 0xF4u) {
        length = 4;
        low = lead == 0xF0u ? 0x90u : low;
        high = lead == 0xF4u ? 0x8Fu : high;
    } else {
        return {replacementCharacter, 1, false}; // a continuation byte, or a lead no sequence has
    }
    char32_t c = lead & (0xFFu >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) {
        if (at + k >= text.size()) {
            return {replacementCharacter, k, false};
        }
        const auto byte = static_cast<unsigned char>(text[at + k]);
        const bool fits = k == 1 ? byte >= low && byte <= high : isContinuation(byte);
        if (!fits) {
            return {replacementCharacter, k, false};
        }
        c = (c << 6) | (byte & 0x3Fu);
    }
    return {c, length, true};
}

std::optional<std::vector<char32_t>> decode(std::string_view text) {
    std::vector<char32_t> characters;
    for (std::size_t at = 0; at < text.size();) {
        const Decoded decoded = decodeAt(text, at);
        if (!decoded.valid) {
            return std::nullopt;
        }
        characters.push_back(decoded.character);
        at += decoded.length;
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

std::string_view characters(std::string_view text, std::size_t first, std::size_t count) {
    const auto skip = [&text](std::size_t at, std::size_t characters) {
        for (; characters > 0 && at < text.size(); --characters) {
            at += decodeAt(text, at).length;
        }
        return at;
    };
    const std::size_t start = skip(0, first);
    return text.substr(start, skip(start, count) - start);
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
