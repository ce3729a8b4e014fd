// The main-screen part of the summary, the box text the table becomes, and a whole summary
// checked by hand.
#include "foundation/utf8.h"
#include "summary_fixture.h"
#include "support/text_lines.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace rac::summary::testing_support {
namespace {

namespace fs = std::filesystem;
using test::linesOf;

std::string spaces(std::size_t count) {
    return std::string(count, ' ');
}

TEST_F(Summary, MainScreenRowsAtTheirFixedNumbers) {
    calculate();
    const LineTable summary = table();
    // The rows whose blanks and units are easy to get wrong; the whole text is checked below.
    const std::pair<int, SummaryLine> rows[] = {
        {2, {"Mode:" + spaces(36) + "Selection"}},
        {4, {spaces(19), "SUPPLY ON          SUPPLY OFF          EXTRACT ON          EXTRACT OFF"}},
        {5,
         {"Dry Bulb:       ", "0" + spaces(29) + "10" + spaces(29) + "20" + spaces(29) + "10.0",
          "      °C"}},
        {6,
         {"Wet Bulb:       ", "N/A" + spaces(25) + "N/A" + spaces(27) + "N/A" + spaces(27) + "N/A",
          "      °C"}},
        {7,
         {"RH:            ", "N/A" + spaces(25) + "N/A" + spaces(27) + "N/A" + spaces(27) + "N/A",
          "      %"}},
        {9, {"Supply Air Vol: ", "2.5", "m³/s"}},
        {17, {"FLUID SIDE DATA:" + spaces(14)}},
        {32, {"Finned Height:", "994", "mm" + spaces(33)}},
        {37, {"Pressure Drop:", "213.5", "Pa" + spaces(33)}},
        {38, {"FPI:" + spaces(11), "10"}},
        {46, {"Finned Height:", "994", "mm"}},
        {50, {"Connection Size:", "1¼ inch"}},
        {51, {"Pressure Drop:", "217.9", "Pa"}},
        {55, {std::string(135, '-')}},
        {56, {"COSTING"}},
        {57, {}},
    };
    for (const auto& [row, line] : rows) {
        EXPECT_EQ(summary.row(row), line) << "row " << row;
    }
}

TEST_F(Summary, ModeComesFromTheStatusBar) {
    choose("mnuRating");
    EXPECT_EQ(table().row(2).label, "Mode:" + spaces(36) + "Rating");
}

TEST_F(Summary, TextEndsWithTabOnlyLinesUpToRow149) {
    calculate();
    const LineTable summary = table();
    const std::vector<std::string> lines = linesOf(summaryText({main, &costing.form, true, clock}));
    ASSERT_EQ(lines.size(), 150u); // the title and rows 1 to 149
    EXPECT_EQ(lines[0], "ZYL RAC SELECTION/RATING SUMMARY");
    EXPECT_EQ(lines[9], "Supply Air Vol: \t\t2.5\tm³/s\t\t");
    const int last = summary.used() - 1;
    EXPECT_EQ(lines[static_cast<std::size_t>(last - 11)], "2024-03-05    14:07\t\t\t\t\t");
    EXPECT_EQ(lines[static_cast<std::size_t>(last)], "Web: www.zyl.example\t\t\t\t\t");
    for (std::size_t row = static_cast<std::size_t>(last) + 1; row < lines.size(); ++row) {
        EXPECT_EQ(lines[row], "\t\t\t\t\t") << "row " << row;
    }
}

TEST(LineTable, RowsBeyond149AreNeverShownAndBeyond150NeverWritten) {
    LineTable table;
    for (int row = 0; row < kTableRows; ++row) {
        table.line("row " + std::to_string(row), "v", "u");
    }
    const std::vector<std::string> lines = linesOf(table.text());
    ASSERT_EQ(lines.size(), 150u);
    EXPECT_EQ(lines.front(), "row 0"); // the title stands alone
    EXPECT_EQ(lines.back(), "row 149\t\tv\tu\t\t");
    EXPECT_THROW(table.line("row 151"), std::logic_error);
}

TEST(SummaryComment, AddedOnALineOfItsOwnEachTimeItIsAdded) {
    const std::string once = withComment("Title\n\t\t\t\t\t", "Fan to be checked on site.");
    EXPECT_EQ(once, "Title\n\t\t\t\t\t\nFan to be checked on site.");
    EXPECT_EQ(withComment(once, "Fan to be checked on site."),
              once + "\nFan to be checked on site.");
    EXPECT_EQ(withComment("Title", ""), "Title\n");
}

// The start-up selection, costed with its defaults in the United Kingdom. After a deliberate
// change of the layout, the test leaves the new text beside the build for comparison; read the
// difference before replacing the file.
TEST_F(Summary, WholeSelectionSummaryMatchesTheCheckedText) {
    calculate();
    const fs::path golden =
        fs::path(RAC_TESTS_FOLDER) / "summary" / "data" / "selection_summary.txt";
    std::ifstream in(golden, std::ios::binary);
    ASSERT_TRUE(in) << golden;
    const std::string expected = (std::ostringstream() << in.rdbuf()).str();
    const std::string text = summaryText({main, &costing.form, true, clock});
    if (text != expected) {
        const fs::path actual = fs::temp_directory_path() / "selection_summary.actual.txt";
        std::ofstream(actual, std::ios::binary) << text;
        ADD_FAILURE() << "the summary differs from " << golden << "; it is in " << actual;
    }
}

} // namespace
} // namespace rac::summary::testing_support
