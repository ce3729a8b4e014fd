#include "cli/json_output.h"
#include "cli/selection_terms.h"
#include "selection/plain_json.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>

namespace rac::cli {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::ThrowsMessage;

std::string dumped(const OrderedJson& value) {
    return value.dump(-1, ' ', false, OrderedJson::error_handler_t::replace);
}

TEST(JsonText, QuotedTextsAreWhatTheJsonWriterMakesOfThem) {
    // Plain texts, other characters, texts that need escapes, and bytes that are not UTF-8.
    for (const std::string& text : std::vector<std::string>{
             "", "txtDBSupplyOff", "12WP10.4-20Tx800", "1\u00BD inch", "greater than -30\u00B0C",
             "emoji \U0001F600", "say \"hi\"", "back\\slash", "tab\there",
             std::string("nul\0byte", 8), "del\x7F", "bad \xFF byte", "cut \xE2\x82",
             "overlong \xC0\xAF", "surrogate \xED\xA0\x80"}) {
        EXPECT_EQ(inQuotes(text), dumped(OrderedJson(text))) << text;
    }
}

TEST(JsonText, MessagesAreWrittenAsTheirJsonValue) {
    Message quoted = information("Say \"hi\"", "line one\nline two");
    quoted.icon = MessageIcon::None;
    const std::vector<Message> messages{
        information("Value Out Of Range", "greater than -30\xC2\xB0"
                                          "C"),
        quoted,
        okOnly("ZYL RAC", "bad \xFF byte"),
        withHelpButton("Help", "See the help.", "HELP\\RAC.HLP", -7),
    };
    for (std::size_t count = 0; count <= messages.size(); ++count) {
        const std::vector<Message> some(messages.begin(),
                                        messages.begin() + static_cast<long>(count));
        std::string written = "prefix ";
        appendMessages(written, some);
        EXPECT_EQ(written, "prefix " + dumped(messagesJson(some))) << count << " messages";
    }
}

TEST(JsonText, NestingIsCountedOutsideStrings) {
    const auto nesting = nestingOf(R"({"a": [[{}]], "b": "[{\"[", "c": [)");
    EXPECT_EQ(nesting.deepest, 4);
    EXPECT_EQ(nesting.last, 2);
    EXPECT_EQ(nesting.lowest, 0);
    EXPECT_FALSE(nesting.inString);
    EXPECT_EQ(nestingOf("]}[").lowest, -2);
    EXPECT_TRUE(nestingOf(R"(["\"])").inString);
}

TEST(JsonText, DepthIsLimitedWhetherOrNotTheTextIsWellFormed) {
    const auto nested = [](int depth, const std::string& inside) {
        return std::string(static_cast<std::size_t>(depth), '[') + inside +
               std::string(static_cast<std::size_t>(depth), ']');
    };
    EXPECT_NO_THROW(parseJson(nested(maxJsonDepth, "1")));
    EXPECT_THAT([&] { parseJson(nested(maxJsonDepth + 1, "1")); },
                ThrowsMessage<JsonSyntaxError>(HasSubstr("nested more than")));
    // A malformed text that is not too deep is reported as malformed.
    EXPECT_THAT([&] { parseJson(nested(maxJsonDepth, "1,") + "x"); },
                ThrowsMessage<JsonSyntaxError>(Not(HasSubstr("nested more than"))));
}

// parseJson gives what the general parser makes of the text: the same value, or an error.
void expectAsTheGeneralParser(const std::string& text) {
    std::optional<Json> general;
    try {
        general = Json::parse(text);
    } catch (const Json::exception&) {
    }
    if (general) {
        EXPECT_EQ(parseJson(text), *general) << text;
    } else {
        EXPECT_THROW(parseJson(text), JsonSyntaxError) << text;
    }
}

const std::string request =
    R"({"mode": "Rating", "fields": {"txtTubesHighSupply": "26", "cmbGlycolSelect": "PGS"}})";

TEST(PlainJson, ReadsAsTheGeneralParserDoes) {
    EXPECT_TRUE(parsePlainObject(request)); // the usual request takes the quick way
    for (const std::string& text : std::vector<std::string>{
             request, "{}", " \t\r\n{ \n}\r\n",
             R"({"fields": {"txtA": "1", "txtA": "2"}, "mode": "x", "mode": "y"})",
             R"({"fields": {"a": "b"}, "fields": "replaced"})", R"({"a": "b",})", R"({"a" "b"})",
             R"({"a": "b"} x)", R"({"a": "b"}})", R"({"a": "b")", "", R"("text")",
             "{\"a\": \"tab\tinside\"}", "{\"a\": \"del\x7F\"}", "\xEF\xBB\xBF{}",
             // not plain: left to the general parser
             R"({"a": 1})", R"({"a": ["b"]})", R"({"a": {"b": {"c": "d"}}})", R"({"a": {"b": 2}})",
             R"({"a": "\u00b0"})", R"({"a": "°"})", R"(["a"])"}) {
        expectAsTheGeneralParser(text);
    }
}

TEST(PlainJson, AnyDamageToARequestIsReadAsTheGeneralParserReadsIt) {
    const std::string alphabet = R"({}[]":, \	x1.-e)";
    std::mt19937 random(2024);
    for (int trial = 0; trial < 3000; ++trial) {
        std::string text = request;
        const int edits = 1 + static_cast<int>(random() % 3);
        for (int edit = 0; edit < edits; ++edit) {
            const std::size_t at = random() % (text.size() + 1);
            const char c = alphabet[random() % alphabet.size()];
            if (const auto kind = random() % 3; kind == 0) {
                text.insert(at, 1, c);
            } else { // erase the character there, or replace it
                text.replace(std::min(at, text.size() - 1), 1, kind == 1 ? 0 : 1, c);
            }
        }
        expectAsTheGeneralParser(text);
    }
}

} // namespace
} // namespace rac::cli
