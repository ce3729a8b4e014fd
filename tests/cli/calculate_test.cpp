#include "cli/application_program.h"
#include "cli/calculate_driver.h"
#include "cli/line_reader.h"
#include "cli/record_reader.h"
#include "mainscreen/calculate_results.h"
#include "test_program.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <streambuf>

namespace rac::cli {
namespace {

using Lines = std::vector<std::string>;
using Field = std::pair<std::string_view, std::string>;
using ::testing::ElementsAre;
using ::testing::IsSupersetOf;
using ::testing::StartsWith;
using testing_support::linesOf;

// Hands its text out a few characters at a time, as a pipe that is being written does.
struct Trickle : std::streambuf {
    Trickle(std::string all, std::size_t size) : text(std::move(all)), piece(size) {}
    int_type underflow() override {
        if (at == text.size()) {
            return traits_type::eof();
        }
        const std::size_t length = std::min(piece, text.size() - at);
        setg(text.data() + at, text.data() + at, text.data() + at + length);
        at += length;
        return traits_type::to_int_type(*gptr());
    }
    std::string text;
    std::size_t piece;
    std::size_t at = 0;
};

TEST(LineReader, LinesAreTheSameHoweverTheStreamDeliversThem) {
    const std::string text = "first\r\n\n" + std::string(10, 'z') + "\nexactly10!\n" +
                             std::string(11, 'w') + "\r\nend\r";
    // A line beyond the limit keeps its number and drops its text.
    const Lines expected{"1 first",      "2 ",           "3 " + std::string(10, 'z'),
                         "4 exactly10!", "5 (too long)", "6 end"};
    for (const std::size_t piece : {1u, 2u, 3u, 7u, 64u, 1000u}) {
        Trickle source(text, piece);
        std::istream in(&source);
        LineReader reader(in, 10);
        Lines lines;
        while (const auto line = reader.next()) {
            lines.push_back(std::to_string(line->number) + " " +
                            (line->tooLong ? "(too long)" : "") + line->text);
        }
        EXPECT_EQ(lines, expected) << "pieces of " << piece;
    }
}

struct Batch {
    int status = 0;
    Lines out;
    Lines err;
};

Batch batch(const std::string& input) {
    const auto ran = testing_support::runCli({"calculate"}, input, launchApplication);
    return {ran.status, linesOf(ran.out), linesOf(ran.err)};
}

// JSON Lines, answered line by line past bad ones, or one object spread over lines.
TEST(Calculate, ReadsEachLineOrOneObjectSpreadOverLines) {
    const Lines rating = batch("{\"mode\": \"Rating\"}\n").out;
    ASSERT_EQ(rating.size(), 1u);
    const Batch answered = batch("{\"mode\": \"Rating\"}\n"
                                 "\n"
                                 "{\"mode\": \"Rating\"\n"
                                 "{\"fields\": {\"txtTubesHigh\": \"26\"}}\r\n" +
                                 std::string(maxRequestBytes + 1, ' ') + "x\n{}\n");
    EXPECT_EQ(answered.status, 2);
    ASSERT_EQ(answered.out.size(), 5u);
    EXPECT_EQ(answered.out[0], rating[0]);
    Lines errors;
    Lines reported; // the same on standard error
    for (const std::string& line : answered.out) {
        errors.push_back(Json::parse(line).value("error", ""));
        if (!errors.back().empty()) {
            reported.push_back("rac-cli: " + errors.back());
        }
    }
    EXPECT_EQ(errors, (Lines{"",
                             "line 3: malformed JSON: syntax error while parsing object - "
                             "unexpected end of input; expected '}'",
                             "line 4: \"txtTubesHigh\" is not an entry field of frmMain",
                             "line 5: the line is longer than 1048576 bytes", ""}));
    EXPECT_EQ(answered.err, reported);
    for (const std::string empty : {"", "\n  \n"}) {
        const Batch none = batch(empty);
        EXPECT_EQ(none.status, 0);
        EXPECT_TRUE(none.out.empty());
    }

    const Batch object = batch("{\n  \"mode\": \"Rating\",\n\n  \"fields\": {}\n}\n");
    EXPECT_EQ(object.status, 0);
    EXPECT_EQ(object.out, rating);
    // A fault is reported at its own line.
    EXPECT_THAT(batch("{\n  \"mode\": \"Rating\",\n  \"fields\" {}\n}\n").err,
                ElementsAre(StartsWith("rac-cli: line 3: malformed JSON: syntax error")));
    // A damaged first line followed by whole requests is a batch, not the start of one object.
    const Batch damaged = batch("{\"mode\": [\n\n{\"mode\": \"Rating\"}\n{\"mode\": \"x\"}\n");
    ASSERT_EQ(damaged.out.size(), 3u);
    EXPECT_EQ(damaged.out[1], rating[0]);
    EXPECT_THAT(damaged.err,
                ElementsAre(StartsWith("rac-cli: line 1: malformed JSON: "),
                            "rac-cli: line 4: \"mode\" must be \"Selection\" or \"Rating\", not "
                            "\"x\""));
}

TEST(Calculate, HostileInputGivesAnErrorLine) {
    struct Case {
        const char* name;
        std::string input;
        std::string error; // on line 1
    };
    const std::vector<Case> cases{
        {"not an object", "[1, 2]", "the request must be a JSON object, not an array"},
        {"huge number", R"({"mode": 1e999})", "malformed JSON: number overflow parsing '1e999'"},
        {"huge index of a number", R"({"mode": 123456789012345678901234567890})",
         R"("mode" must be a text in quotes, not a number)"},
        {"deep nesting", std::string(100000, '[') + std::string(100000, ']'),
         "malformed JSON: nested more than 64 levels deep"},
        {"invalid UTF-8", "{\"mode\": \"Sel\xC3\x28\"}",
         "malformed JSON: syntax error while parsing value - invalid string: ill-formed UTF-8 "
         "byte; last read: '\"Sel\xEF\xBF\xBD('"},
        {"DEL byte", "{\"mode\": \x7F}",
         "malformed JSON: syntax error while parsing value - invalid literal; last read: "
         "'\"mode\": \xEF\xBF\xBD'"},
        {"NUL byte", std::string("{\"mode\": \"\0\"}", 13),
         "malformed JSON: syntax error while parsing value - invalid string: control character "
         "U+0000 (NUL) must be escaped to \\u0000; last read: '\"<U+0000>'"},
        {"escaped NUL", R"({"mode": "\u0000"})",
         R"("mode" must be "Selection" or "Rating", not "\u0000")"},
        {"target in Rating", R"({"mode": "Rating", "target": "Duty"})",
         R"("target" applies to Selection only; Rating has no target)"},
        {"unknown key", R"({"fields": {}, "mod": "Rating"})",
         R"(unknown key "mod" in the request (it takes "mode", "target", "fields", "costing"))"},
        {"field not a text", R"({"fields": {"txtGlycol": 20}})",
         R"(the text of "txtGlycol" must be a text in quotes, not a number)"},
        {"target value of another target", R"({"fields": {"txtDuty": "20"}})",
         R"("txtDuty" is an entry only in Selection with the target "Duty")"},
        {"object over the limit", "{\n\"a\": \"" + std::string(maxRequestBytes, 'x') + "\"}\n",
         "the request is longer than 1048576 bytes"},
    };
    for (const Case& c : cases) {
        const Batch answered = batch(c.input);
        EXPECT_EQ(answered.status, 2) << c.name;
        EXPECT_EQ(answered.err, Lines{"rac-cli: line 1: " + c.error}) << c.name;
    }
}

// The stand-in program records the events the entries raise, in the order they came.
TEST(Calculate, EntersFieldsInTheFixedOrderWhateverTheirOrderInTheRequest) {
    Lines log;
    const std::string request = R"({"fields": {"txtFluidMaxPDExtract": "40",
        "cmbGlycolSelect": "B", "txtDBSupplyOn": "5", "cmbCircuitTypeExtract": "H",
        "txtTubesHighSupply": "30", "cmbCircuitTypeSupply": "12",
        "cmbCircuitTypeSelectExtract": "Fixed", "cmbTubeDiameterSupply": "B",
        "txtTubesHighExtract": "28", "cmbCircuitTypeSelectSupply": "Number"}})";
    const auto outcome =
        calculate(readCalculateRequest(Json::parse(request)), testing_support::testLauncher(log));
    // A circuit number is typed over the list's text; a circuit type is picked from it.
    EXPECT_EQ(log,
              (Lines{"Click cmbTubeDiameterSupply B", "Click cmbCircuitTypeSelectSupply Number",
                     "KeyPress cmbCircuitTypeSupply 49", "KeyPress cmbCircuitTypeSupply 50",
                     "Change txtTubesHighSupply 30", "Click cmbCircuitTypeSelectExtract Fixed",
                     "Click cmbCircuitTypeExtract 1B", "Click cmbCircuitTypeExtract H",
                     "Change txtTubesHighExtract 28", "Change txtDBSupplyOn 5",
                     "Click cmbGlycolSelect B", "Change txtFluidMaxPDExtract 40", "Calculate"}));
    EXPECT_EQ(outcome.fields.size(), mainscreen::CalculateResultControls().size());
    EXPECT_THAT(outcome.fields, IsSupersetOf({Field{"cmbCircuitTypeSupply", "12"},
                                              Field{"cmbCircuitTypeExtract", "H"}}));
}

// The real program, counting its restarts.
struct CountingProgram final : Program {
    CountingProgram(platform::Services services, int& count)
        : real(launchApplication(services)), restarts(count) {}
    platform::Form* form(std::string_view name) override { return real->form(name); }
    bool restart() override {
        ++restarts;
        return real->restart();
    }
    std::unique_ptr<Program> real;
    int& restarts;
};

// How an answer or its costing ends: its error; or whether it was aborted, the titles of its
// messages (of its entries first), the focus it left, and its costing's ending.
std::string endingOf(const Json& json) {
    if (json.contains("error")) {
        return json["error"];
    }
    std::string ending = json["aborted"] ? "aborted" : "done";
    for (const char* list : {"entry_messages", "messages"}) {
        for (const Json& message : json.value(list, Json::array())) {
            ending += ", " + message["title"].get<std::string>();
        }
    }
    if (!json["focus"].is_null()) {
        ending += ", focus " + json["focus"].get<std::string>();
    }
    if (json.contains("costing")) {
        ending += "; costing " + (json["costing"].is_null() ? "null" : endingOf(json["costing"]));
    }
    return ending;
}

// Requests that leave the screen in every kind of state for the next one (both modes, all targets
// and coil options, failed checks with the focus held, stopped calculations, requests the screen
// refuses part way through), and how each ends alone. A mode or target not chosen from the menus
// would leave its entries read-only and the request refused.
TEST(Calculate, OneProgramAnswersEachRequestAsAFreshlyLaunchedOne) {
    struct Case {
        std::string request;
        std::string ending;
    };
    const std::vector<Case> cases{
        {R"({"mode": "Rating", "fields": {"cmbCircuitTypeSelectSupply": "Number",
            "cmbCircuitTypeSupply": "4", "txtNumberRowsSupply": "6", "txtGlycol": "20"}})",
         "done"},
        {R"({})", "done"},
        {R"({"target": "Effectiveness", "fields": {"txtEffectiveness": "65",
            "cmbFinDensitySelectExtract": "Maximum", "cmbGlycolSelect": "PGS"}})",
         "done"},
        {R"({"target": "Duty", "fields": {"txtDuty": "abc"}})",
         "aborted, Non-Numeric Value, focus txtDuty"},
        // Stopped in the engine: no focus.
        {R"({"fields": {"cmbTubeDiameterSupply": "16mm", "cmbFinDensitySelectSupply": "Fixed",
            "cmbFinMatTypeSupply": "Copper 0.15 rippled", "cmbFinDensitySupply": "10",
            "cmbCircuitTypeSelectExtract": "Fixed", "cmbCircuitTypeExtract": "D"}})",
         "aborted, Number of Rows Required Greater Than Maximum Allowed - Extract Coil"},
        // A field that keeps the focus ends the entry: its message is shown once, nothing follows.
        {R"({"fields": {"txtTubesHighSupply": "x", "txtFinnedLengthSupply": "2000"}})",
         "aborted, Number of Tubes High Non-Numeric, focus txtTubesHighSupply"},
        // The circuit type is read-only while its select says "Optimise".
        {R"({"fields": {"cmbCircuitTypeSupply": "2"}})",
         "line 1: cannot type into frmMain.cmbCircuitTypeSupply: it is read-only"},
        // A check across fields leaves no focus.
        {R"({"fields": {"txtDBSupplyOn": "25", "txtDBSupplyOff": "12", "txtDBExtractOn": "22"}})",
         "aborted, Inputs Not Compatible"},
        {R"({"fields": {"cmbTubeDiameterSupply": "20mm"}})",
         "line 1: frmMain.cmbTubeDiameterSupply: the list has no item \"20mm\""},
        {R"({"mode": "Rating", "fields": {"txtNumberRowsExtract": "16", "txtAirVolSupply": "9"}})",
         "done"},
        {R"({"fields": {"txtFluidMaxPDSupply": "5", "txtFluidMaxPDExtract": "200"}})",
         "aborted, Value Out Of Range, Value Out Of Range, focus txtFluidMaxPDExtract"},
        // Choosing the checked target again would blank the supply off temperature it starts with.
        {R"({"mode": "Selection", "target": "Air Off DB"})", "done"},
        // Costings: the country, the password and the settings they write are the request's own.
        {R"({"fields": {"txtFinnedLengthExtract": "1200"}, "costing": {"password": "TORVIX205917",
            "fields": {"cmbCountry": "Kuwait", "txtEnergyCost": "0.01", "chkGrossMargin": "1",
            "txtGrossMargin": "45", "chkEliminatorsExtract": "1",
            "cmbCasingMaterialExtract": "14g mild steel", "chkGAMExtract": "1"}}})",
         "done; costing done, Drainpan Material Autoselect, Extract Eliminator Pressure Drop "
         "Added"},
        {R"({"costing": {}})", "done; costing done"},
        {R"({"fields": {"txtAirVolSupply": "0"}, "costing": {}})",
         "aborted, Value Out Of Range, focus txtAirVolSupply; costing null"},
        {R"({"costing": {"fields": {"cmbCasingDepthSelectSupply": "Non-Standard",
            "txtCasingDepthSupply": "4"}}})",
         "done; costing aborted, Value Out of Range, focus txtCasingDepthSupply"},
        {R"({"costing": {"fields": {"txtAnnualRunHours": "9000"}}})",
         "done; costing aborted, Invalid Value, focus txtAnnualRunHours"},
        // Without the password the gross margin is hidden.
        {R"({"costing": {"password": "guess", "fields": {"txtGrossMargin": "45"}}})",
         "line 1: cannot type into frmCosting.txtGrossMargin: it is hidden"},
        // Oman has no energy cost of its own.
        {R"({"costing": {"fields": {"cmbCountry": "Oman"}}})",
         "done; costing aborted, Non-Numeric Value or Return Key Pressed, focus txtEnergyCost"},
    };
    std::string all;
    Lines alone;
    for (const Case& c : cases) {
        std::string line = c.request;
        std::erase(line, '\n');
        all += line + "\n";
        const Batch answered = batch(line + "\n");
        ASSERT_EQ(answered.out.size(), 1u) << line;
        std::string answer = answered.out.front();
        EXPECT_EQ(endingOf(Json::parse(answer)), c.ending) << line;
        // Failed checks and stopped calculations are answers, not errors.
        EXPECT_EQ(answered.status, c.ending.starts_with("line") ? 2 : 0) << line;
        // Alone, every request is on line 1.
        const std::string place = "\"line 1: ";
        if (const auto at = answer.find(place); at != std::string::npos) {
            answer.replace(at, place.size(), "\"line " + std::to_string(alone.size() + 1) + ": ");
        }
        alone.push_back(answer);
    }
    EXPECT_THAT(alone[3], StartsWith(R"({"aborted":true,"messages":[{"title":"Non-Numeric Value",)"
                                     R"("text":"The duty must be numeric.","icon":"information",)"
                                     R"("buttons":["OK"]}],"focus":"txtDuty","fields":{)"
                                     R"("txtDBSupplyOff":"","txtDBExtractOff":"",)"));

    // One program serves the batch: restarted for each request, launched afresh after a refusal.
    int launches = 0;
    int restarts = 0;
    const Launcher counted = [&](platform::Services services) {
        ++launches;
        return std::make_unique<CountingProgram>(services, restarts);
    };
    EXPECT_EQ(linesOf(testing_support::runCli({"calculate"}, all, counted).out), alone);
    EXPECT_EQ(launches, 4); // the first, and one after each of the three refusals
    EXPECT_EQ(restarts, 15);
}

} // namespace
} // namespace rac::cli
