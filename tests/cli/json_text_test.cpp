#include "cli/json_input.h"
#include "cli/json_output.h"

#include <gtest/gtest.h>

namespace rac::cli {
namespace {

std::string dumped(const OrderedJson& value) {
    return value.dump(-1, ' ', false, OrderedJson::error_handler_t::replace);
}

TEST(JsonText, QuotedTextsAreWhatTheJsonWriterMakesOfThem) {
    const std::vector<std::string> texts{"",
                                         "txtDBSupplyOff",
                                         "12WP10.4-20Tx800",
                                         "1\xC2\xBD inch", // ½
                                         "greater than -30\xC2\xB0"
                                         "C", // °
                                         "emoji \xF0\x9F\x98\x80",
                                         "say \"hi\"",
                                         "back\\slash",
                                         "tab\there",
                                         std::string("nul\0byte", 8),
                                         "del\x7F",
                                         "bad \xFF byte",
                                         "cut \xE2\x82",
                                         "overlong \xC0\xAF",
                                         "surrogate \xED\xA0\x80"};
    for (const std::string& text : texts) {
        EXPECT_EQ(inQuotes(text), dumped(OrderedJson(text))) << text;
    }
}

TEST(JsonText, MessagesAreWrittenAsTheirJsonValue) {
    platform::Message quoted = platform::information("Say \"hi\"", "line one\nline two");
    quoted.icon = platform::MessageIcon::None;
    const std::vector<platform::Message> messages{
        platform::information("Value Out Of Range", "greater than -30\xC2\xB0"
                                                    "C"),
        quoted,
        platform::okOnly("ZYL RAC", "bad \xFF byte"),
        platform::withHelpButton("Help", "See the help.", "HELP\\RAC.HLP", -7),
    };
    for (std::size_t count = 0; count <= messages.size(); ++count) {
        const std::vector<platform::Message> some(messages.begin(),
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
    EXPECT_THROW(parseJson(nested(maxJsonDepth + 1, "1")), JsonSyntaxError);
    try {
        parseJson(nested(maxJsonDepth, "1,") + "x"); // malformed, not too deep
        FAIL() << "malformed text parsed";
    } catch (const JsonSyntaxError& error) {
        EXPECT_EQ(std::string(error.what()).find("nested more than"), std::string::npos);
    }
}

} // namespace
} // namespace rac::cli
