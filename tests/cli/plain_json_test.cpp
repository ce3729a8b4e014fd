#include "cli/plain_json.h"

#include <gtest/gtest.h>
#include <random>

namespace rac::cli {
namespace {

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
    for (const std::string& text : std::vector<std::string>{
             request,
             "{}",
             " \t\r\n{ \n}\r\n",
             R"({"fields": {"txtA": "1", "txtA": "2"}, "mode": "x", "mode": "y"})",
             R"({"fields": {"a": "b"}, "fields": "replaced"})",
             R"({"a": "b",})",
             R"({"a" "b"})",
             R"({"a": "b"} x)",
             R"({"a": "b"}})",
             R"({"a": "b")",
             "",
             R"("text")",
             "{\"a\": \"tab\tinside\"}",
             "{\"a\": \"del\x7F\"}",
             "\xEF\xBB\xBF{}",
         }) {
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
            switch (random() % 3) {
            case 0:
                text.insert(at, 1, c);
                break;
            case 1:
                text.erase(std::min(at, text.size() - 1), 1);
                break;
            default:
                text[std::min(at, text.size() - 1)] = c;
                break;
            }
        }
        expectAsTheGeneralParser(text);
    }
}

TEST(PlainJson, LeavesEveryOtherTextToTheGeneralParser) {
    EXPECT_TRUE(parsePlainObject(request));
    for (const std::string other :
         {R"({"a": 1})", R"({"a": ["b"]})", R"({"a": {"b": {"c": "d"}}})", R"({"a": {"b": 2}})",
          R"({"a": "\u00b0"})", R"({"a": "°"})", R"(["a"])", R"({"a": "b",})"}) {
        EXPECT_FALSE(parsePlainObject(other)) << other;
    }
}

} // namespace
} // namespace rac::cli
