#include "foundation/rtf_reader.h"

#include <gtest/gtest.h>
#include <utility>

namespace rac {
namespace {

TEST(PlainTextOfRtf, TextParagraphsAndEscapes) {
    const std::pair<const char*, const char*> rows[] = {
        {R"({\rtf1\ansi{\fonttbl{\f0 Courier New;}}\f0\fs20 Supply coil\par 12WH10.4\tab x\par})",
         "Supply coil\n12WH10.4\tx\n"},
        {R"({\rtf1 Price \'a3120 \'96 net})", "Price £120 – net"},
        {R"({\rtf1\uc1 T\u246?rn \u-3913?})", "Törn \uF0B7"},
        {R"({\rtf1{\*\generator Writer;}{\colortbl;\red0\green0\blue0;}a\{b\}c\\d})", "a{b}c\\d"},
        {R"({\rtf1 unclosed {\b bold)", "unclosed bold"},
        {R"(\)", ""},
    };
    for (const auto& [rtf, text] : rows) {
        EXPECT_EQ(plainTextOfRtf(rtf), text) << rtf;
    }
}

TEST(PlainTextOfRtf, SurrogatePairsAndLoneSurrogates) {
    const std::pair<const char*, const char*> rows[] = {
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
