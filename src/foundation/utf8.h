#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Typing delivers one character (code point) at a time, whatever its length in UTF-8.
namespace rac::utf8 {

// The code points of a text; empty when the text is not valid UTF-8 (overlong forms,
// surrogates and values above U+10FFFF included).
std::optional<std::vector<char32_t>> decode(std::string_view text);

inline constexpr char32_t replacementCharacter = U'\uFFFD';

// The code point that starts at a position (before the end) and how many bytes it takes. An
// ill-formed sequence reads as one U+FFFD that takes the longest start of a valid sequence, or the
// one byte that starts none, so the character after a cut-off sequence is kept.
struct Decoded {
    char32_t character;
    std::size_t length;
    bool valid;
};
Decoded decodeAt(std::string_view text, std::size_t at);

// The UTF-8 bytes of a code point; empty for a surrogate or a value above U+10FFFF.
std::string encode(char32_t character);

// The bytes of `count` characters (code points) from character `first` on, as far as the text
// goes; an ill-formed sequence counts as the one character decodeAt reads.
std::string_view characters(std::string_view text, std::size_t first, std::size_t count);

// The text without its last code point (a text that is not valid UTF-8 loses its last byte).
std::string withoutLast(std::string_view text);

} // namespace rac::utf8
