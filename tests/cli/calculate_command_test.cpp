#include "cli/calculate_command.h"
#include "cli/json_input.h"
#include "cli/record_reader.h"
#include "test_program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

namespace rac::cli {
namespace {

using Lines = std::vector<std::string>;
using ::testing::StartsWith;

Lines linesOf(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

struct Batch {
    int status = 0;
    Lines out;
    Lines err;
};

class CalculateCommand : public ::testing::Test {
  protected:
    Batch run(const std::string& input) {
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        const int status = runCalculate(in, out, err, testing_support::testLauncher(log));
        return {status, linesOf(out.str()), linesOf(err.str())};
    }
    std::string errorOf(const std::string& input) {
        const Batch batch = run(input);
        EXPECT_EQ(batch.status, 2);
        return batch.out.size() == 1 ? Json::parse(batch.out[0]).value("error", "") : "";
    }

    Lines log;
};

TEST_F(CalculateCommand, AnswersEachLineAndGoesOnPastBadOnes) {
    const Batch batch = run("{\"mode\": \"Rating\"}\n"
                            "\n"
                            "{\"mode\": \"Rating\"\n"
                            "{\"fields\": {\"txtTubesHigh\": \"26\"}}\r\n"
                            "{\"fields\": {\"cmbGlycolSelect\": \"PGS\"}}\n"
                            "{\"fields\": {\"txtDBSupplyOn\": \"abc\"}}\n");
    EXPECT_EQ(batch.status, 2);
    ASSERT_EQ(batch.out.size(), 5u);
    EXPECT_EQ(Json::parse(batch.out[0])["fields"]["txtCoilCodeSupply"], "Rating");
    EXPECT_EQ(Json::parse(batch.out[1])["error"],
              "line 3: malformed JSON: syntax error while parsing object - unexpected end of "
              "input; expected '}'");
    EXPECT_EQ(Json::parse(batch.out[2])["error"],
              "line 4: \"txtTubesHigh\" is not an entry field of frmMain");
    EXPECT_EQ(Json::parse(batch.out[3])["error"],
              "line 5: frmMain.cmbGlycolSelect: the list has no item \"PGS\"");
    // A failed validation is an answer, not an error.
    EXPECT_THAT(batch.out[4], StartsWith(R"({"aborted":true,"messages":[{"title":"Non-Numeric)"));
    EXPECT_EQ(batch.err, (Lines{"rac-cli: line 3: malformed JSON: syntax error while parsing "
                                "object - unexpected end of input; expected '}'",
                                "rac-cli: line 4: \"txtTubesHigh\" is not an entry field of "
                                "frmMain",
                                "rac-cli: line 5: frmMain.cmbGlycolSelect: the list has no item "
                                "\"PGS\""}));
}

TEST_F(CalculateCommand, WritesTheOutcomeInItsFixedShape) {
    const Batch batch = run(R"({"fields": {"txtDBSupplyOn": "20"}})");
    EXPECT_EQ(batch.status, 0);
    ASSERT_EQ(batch.out.size(), 1u);
    EXPECT_THAT(batch.out[0],
                StartsWith(R"({"aborted":true,"messages":[{"title":"Inputs Not Compatible",)"
                           R"("text":"equal","icon":"information","buttons":["OK"]}],)"
                           R"("focus":null,"fields":{"txtDBSupplyOff":)"));
}

TEST_F(CalculateCommand, ReadsOneObjectSpreadOverLines) {
    const Batch batch = run("{\n  \"mode\": \"Rating\",\n\n  \"fields\": {}\n}\n");
    EXPECT_EQ(batch.status, 0);
    ASSERT_EQ(batch.out.size(), 1u);
    EXPECT_EQ(Json::parse(batch.out[0])["fields"]["txtCoilCodeSupply"], "Rating");
    // A fault is reported at its own line.
    EXPECT_THAT(errorOf("{\n  \"mode\": \"Rating\",\n  \"fields\" {}\n}\n"),
                StartsWith("line 3: malformed JSON: syntax error"));
}

TEST_F(CalculateCommand, EmptyInputIsAnEmptyBatch) {
    EXPECT_EQ(run("").out.size(), 0u);
    EXPECT_EQ(run("\n  \n").status, 0);
}

TEST_F(CalculateCommand, HostileInputGivesAnErrorLine) {
    struct Case {
        const char* name;
        std::string input;
        std::string error;
    };
    const std::vector<Case> cases{
        {"not an object", "[1, 2]", "line 1: the request must be a JSON object, not an array"},
        {"huge number", R"({"mode": 1e999})",
         "line 1: malformed JSON: number overflow parsing '1e999'"},
        {"huge index of a number", R"({"mode": 123456789012345678901234567890})",
         "line 1: \"mode\" must be a text in quotes, not a number"},
        {"deep nesting", std::string(100000, '[') + std::string(100000, ']'),
         "line 1: malformed JSON: nested more than 64 levels deep"},
        {"invalid UTF-8", "{\"mode\": \"Sel\xC3\x28\"}",
         "line 1: malformed JSON: syntax error while parsing value - invalid string: "
         "ill-formed UTF-8 byte; last read: '\"Sel\xEF\xBF\xBD('"},
        {"NUL byte", std::string("{\"mode\": \"\0\"}", 13),
         "line 1: malformed JSON: syntax error while parsing value - invalid string: control "
         "character U+0000 (NUL) must be escaped to \\u0000; last read: '\"<U+0000>'"},
        {"escaped NUL", R"({"mode": "\u0000"})",
         "line 1: \"mode\" must be \"Selection\" or \"Rating\", not \"\\u0000\""},
        {"target in Rating", R"({"mode": "Rating", "target": "Duty"})",
         "line 1: \"target\" applies to Selection only; Rating has no target"},
        {"unknown key", R"({"fields": {}, "mod": "Rating"})",
         "line 1: unknown key \"mod\" in the request (it takes \"mode\", \"target\", \"fields\")"},
        {"field not a text", R"({"fields": {"txtGlycol": 20}})",
         "line 1: the text of \"txtGlycol\" must be a text in quotes, not a number"},
        {"target value of another target", R"({"fields": {"txtDuty": "20"}})",
         "line 1: \"txtDuty\" is an entry only in Selection with the target \"Duty\""},
        {"line too long", std::string(maxRequestBytes + 10, ' ') + "x",
         "line 1: the line is longer than 1048576 bytes"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(errorOf(c.input), c.error) << c.name;
    }
}

TEST(RecordReader, TellsADamagedFirstLineFromAnObjectOverLines) {
    std::istringstream batch("{\"mode\": [\n\n{\"mode\": \"Rating\"}\n{}\n");
    RecordReader records(batch);
    Lines texts;
    std::vector<long> starts;
    while (const auto record = records.next()) {
        texts.push_back(record->text);
        starts.push_back(record->line);
    }
    EXPECT_EQ(texts, (Lines{"{\"mode\": [", "{\"mode\": \"Rating\"}", "{}"}));
    EXPECT_EQ(starts, (std::vector<long>{1, 3, 4}));
}

TEST(RecordReader, SkipsALineBeyondTheLimitAndGoesOn) {
    std::istringstream batch(std::string(maxRequestBytes + 1, 'x') + "\n{}\n");
    RecordReader records(batch);
    const auto tooLong = records.next();
    const auto next = records.next();
    ASSERT_TRUE(tooLong && next);
    EXPECT_EQ(tooLong->error, "the line is longer than 1048576 bytes");
    EXPECT_EQ(next->line, 2);
    EXPECT_EQ(next->text, "{}");
}

TEST(RecordReader, RefusesAnObjectOverLinesBeyondTheLimit) {
    std::istringstream big("{\n\"a\": \"" + std::string(maxRequestBytes, 'x') + "\"}\n");
    RecordReader records(big);
    const auto record = records.next();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->error, "the request is longer than 1048576 bytes");
    EXPECT_FALSE(records.next());
}

} // namespace
} // namespace rac::cli
