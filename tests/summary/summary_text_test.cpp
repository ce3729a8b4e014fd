// The main-screen part of the summary, the box text the table becomes, and a whole summary
// checked by hand: its rows, blanks, units and closing tab-only lines are all in the checked
// text.
#include "summary_fixture.h"
#include "support/temporary_folder.h"
#include "support/text_lines.h"

#include <filesystem>
#include <fstream>

namespace rac::summary::testing_support {
namespace {

namespace fs = std::filesystem;
using test::linesOf;

TEST_F(Summary, ModeComesFromTheStatusBar) {
    choose("mnuRating");
    EXPECT_EQ(table().row(2).label, "Mode:" + std::string(36, ' ') + "Rating");
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

// A comment added twice is in the selection_summary transcript; an empty one still starts a line.
TEST(SummaryComment, AnEmptyCommentStillStartsALine) {
    EXPECT_EQ(withComment("Title", ""), "Title\n");
}

// The start-up selection, costed with its defaults in the United Kingdom. After a deliberate
// change of the layout, the test leaves the new text beside the build for comparison; read the
// difference before replacing the file.
TEST_F(Summary, WholeSelectionSummaryMatchesTheCheckedText) {
    calculate();
    const fs::path golden =
        fs::path(RAC_TESTS_FOLDER) / "summary" / "data" / "selection_summary.txt";
    ASSERT_TRUE(fs::exists(golden)) << golden;
    const std::string expected = test::contentsOf(golden);
    const std::string text = summaryText({main, &costing.form, true, clock});
    if (text != expected) {
        const fs::path actual = fs::temp_directory_path() / "selection_summary.actual.txt";
        std::ofstream(actual, std::ios::binary) << text;
        ADD_FAILURE() << "the summary differs from " << golden << "; it is in " << actual;
    }
}

} // namespace
} // namespace rac::summary::testing_support
