#include "foundation/utf8.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace rac::utf8 {
namespace {

struct Replacing {
    const char* name;
    std::string bytes;
    std::u32string characters;
};

constexpr char32_t bad = replacementCharacter;

// The characters read one after another, as a text that must be shown whatever it holds is read.
std::u32string decodedReplacing(std::string_view text) {
    std::u32string characters;
    for (std::size_t at = 0; at < text.size();) {
        const Decoded decoded = decodeAt(text, at);
        characters += decoded.character;
        at += decoded.length;
    }
    return characters;
}

// Each ill-formed sequence gives one U+FFFD: the longest start of a valid sequence, or one byte
// that starts none, so the character after a cut-off sequence survives.
const std::vector<Replacing> replacingRows{
    {"units and currency", "°C m³/s £½", U"°C m³/s £½"},
    {"beyond the basic plane", "\xF0\x9F\x98\x80!", U"\U0001F600!"},
    {"lone continuation byte", "a\x80!", {U'a', bad, U'!'}},
    {"cut-off sequence before a letter", "\xE2\x82x", {bad, U'x'}},
    {"cut-off sequence at the end", "ok\xF0\x9F\x98", {U'o', U'k', bad}},
    {"lead byte followed by a lead byte", "\xC3\xC3\xA9", {bad, U'é'}},
    {"overlong two-byte form", "\xC0\xAF", {bad, bad}},
    {"overlong three-byte form", "\xE0\x80\xAF", {bad, bad, bad}},
    {"encoded surrogate", "\xED\xA0\x80", {bad, bad, bad}},
    {"above U+10FFFF", "\xF4\x90\x80\x80", {bad, bad, bad, bad}},
    {"byte no sequence starts with", "\xF5 \xFF", {bad, U' ', bad}},
};

TEST(DecodeAt, EachBadSequenceBecomesOneReplacement) {
    for (const auto& row : replacingRows) {
        EXPECT_EQ(decodedReplacing(row.bytes), row.characters) << row.name;
        // The strict decoder agrees: the same characters, or no text at all.
        const auto strict = decode(row.bytes);
        const bool valid = row.characters.find(bad) == std::u32string::npos;
        ASSERT_EQ(strict.has_value(), valid) << row.name;
        if (valid) {
            EXPECT_EQ(std::u32string(strict->begin(), strict->end()), row.characters) << row.name;
        }
    }
}

TEST(DecodeAt, AReplacementCharacterInTheTextIsValid) {
    const Decoded decoded = decodeAt("x\uFFFD", 1);
    EXPECT_EQ(decoded.character, bad);
    EXPECT_EQ(decoded.length, 3u);
    EXPECT_TRUE(decoded.valid);
    EXPECT_FALSE(decodeAt("x\xEF\xBF", 1).valid);
}

// A selection counts characters; the text holds bytes.
TEST(Characters, CountCodePointsNotBytes) {
    const std::string text = "m³/s £\xF0\x9F\x98\x80!";
    const std::tuple<std::size_t, std::size_t, std::string_view> rows[] = {
        {0, 4, "m³/s"}, {1, 1, "³"}, {5, 2, "£\xF0\x9F\x98\x80"}, {7, 5, "!"}, {8, 1, ""},
        {3, 0, ""},     {40, 2, ""},
    };
    for (const auto& [first, count, expected] : rows) {
        EXPECT_EQ(characters(text, first, count), expected) << first << "+" << count;
    }
    EXPECT_EQ(characters("a\x80!", 1, 2), "\x80!") << "a bad byte is one character";
}

} // namespace
} // namespace rac::utf8
