// The box text the table becomes, and a whole summary checked by hand: the main screen's rows,
// blanks, units and the closing tab-only lines are all in the checked text (the Rating mode's row
// is checked where the summary is opened).
#include "summary_fixture.h"
#include "support/temporary_folder.h"
#include "support/text_lines.h"

#include <filesystem>
#include <fstream>

namespace rac::summary::testing_support {
namespace {

namespace fs = std::filesystem;
using test::linesOf;

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
