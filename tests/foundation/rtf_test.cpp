#include "foundation/rtf_reader.h"
#include "foundation/rtf_writer.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace rac {
namespace {

const std::string header = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
                           "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\\pard\\plain\\f0\\fs17\\b ";

// The document's body: what follows the header, without the closing brace.
std::string bodyOf(const std::string& rtf) {
    EXPECT_TRUE(rtf.starts_with(header)) << rtf;
    EXPECT_TRUE(rtf.ends_with("}")) << rtf;
    return rtf.substr(header.size(), rtf.size() - header.size() - 1);
}

TEST(RtfOfPlainText, WholeDocument) {
    EXPECT_EQ(rtfOfPlainText("Dry Bulb:\t\t10\t°C\n{x} \\"),
              header + "Dry Bulb:\\tab \\tab 10\\tab {\\u176?}C\\par\n\\{x\\} \\\\}");
    EXPECT_EQ(rtfOfPlainText(""), header + "}");
}

TEST(RtfOfPlainText, CharactersAndLineEnds) {
    struct Row {
        const char* name;
        std::string text;
        std::string body;
    };
    const Row rows[] = {
        {"cubic metres", "m³/s", "m{\\u179?}/s"},
        {"pound and half", "£ ½ inch", "{\\u163?} {\\u189?} inch"},
        {"euro, beyond Latin-1", "€", "{\\u8364?}"},
        {"above 0x7FFF is negative", "\uFFFD", "{\\u-3?}"},
        {"surrogate pair", "\U0001F600", "{\\u-10179?\\u-8704?}"},
        {"highest code point", "\U0010FFFF", "{\\u-9217?\\u-8193?}"},
        {"control characters", std::string("a\x01\x7F", 3) + std::string(1, '\0'),
         "a{\\u1?}{\\u127?}{\\u0?}"},
        {"CR LF is one line end", "a\r\nb", "a\\par\nb"},
        {"lone CR ends a line", "a\rb\r", "a\\par\nb\\par\n"},
        {"LF CR is two", "a\n\rb", "a\\par\n\\par\nb"},
        {"spaces after a tab stay", "\t  x", "\\tab   x"},
        {"digits after a line end", "\n5", "\\par\n5"},
        {"invalid UTF-8", "\xE2\x82x\x80", "{\\u-3?}x{\\u-3?}"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(bodyOf(rtfOfPlainText(row.text)), row.body) << row.name;
    }
}

TEST(RtfOfPlainText, ReadsBackAsTheText) {
    const std::string text = "ZYL RAC SELECTION/RATING SUMMARY\nDry Bulb:       \t\t0     "
                             "10.0\t      °C\t\t\nEx-Works Price:\t\t1250\t£\t\t\n"
                             "Connection Size:\t\t½ inch\t\t\t\n{\\} \U0001F600\n";
    EXPECT_EQ(plainTextOfRtf(rtfOfPlainText(text)), text);
}

TEST(PlainTextOfRtf, TextParagraphsEscapesAndSurrogates) {
    const std::pair<const char*, const char*> rows[] = {
        {R"({\rtf1\ansi{\fonttbl{\f0 Courier New;}}\f0\fs20 Supply coil\par 12WH10.4\tab x\par})",
         "Supply coil\n12WH10.4\tx\n"},
        {R"({\rtf1 Price \'a3120 \'96 net})", "Price £120 – net"},
        {R"({\rtf1\uc1 T\u246?rn \u-3913?})", "Törn \uF0B7"},
        {R"({\rtf1{\*\generator Writer;}{\colortbl;\red0\green0\blue0;}a\{b\}c\\d})", "a{b}c\\d"},
        {R"({\rtf1 unclosed {\b bold)", "unclosed bold"},
        {R"(\)", ""},
        // Surrogate pairs, and halves without their partner.
        {R"({\rtf1 {\u-10179?\u-8704?}!})", "\U0001F600!"},
        {R"({\rtf1\uc0 \u-10179 \u-8704 })", "\U0001F600"},
        {R"({\rtf1 a\u-10179?b})", "a\uFFFDb"}, // the low half never came
        {R"({\rtf1 \u-8704?x})", "\uFFFDx"},    // a low half alone
        {R"({\rtf1 x\u-10179?})", "x\uFFFD"},   // the document ends between the halves
        {R"({\rtf1 \u-10179?\u-10179?\u-8704?})", "\uFFFD\U0001F600"}, // a second high half
    };
    for (const auto& [rtf, text] : rows) {
        EXPECT_EQ(plainTextOfRtf(rtf), text) << rtf;
    }
}

} // namespace
} // namespace rac
