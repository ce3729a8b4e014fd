#include "foundation/text_pdf.h"
#include "platform/platform_error.h"
#include "platform/services.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>
#include <regex>

namespace rac::platform {
namespace {

using test::contentsOf;
using test::TemporaryFolder;
namespace fs = std::filesystem;

// Answers taken in order, a cancel among them, and the dialogs recorded are in the summary
// window's save tests and the selection_summary transcript.
TEST(DialogAnswers, CancelledWhenNoneIsLeftAndKeptForTheRightDialog) {
    RecordingServices recording;
    FileDialogs& dialogs = recording.dialogs;
    const SaveDialog summary{"Save Summary", "Rich Text Format (*.rtf)|*.rtf|", 1};
    EXPECT_EQ(dialogs.saveFile(summary), std::nullopt); // the queue is empty

    // An answer for the other kind of dialog is an error and stays queued.
    recording.answers.enqueue(DialogAnswer::print("/tmp/summary.pdf"));
    EXPECT_THROW(dialogs.saveFile(summary), PlatformError);
    EXPECT_EQ(recording.answers.pending(), 1u);
    recording.answers.take(DialogKind::ChoosePrinter);
    recording.answers.enqueue(DialogAnswer::save("/tmp/summary.rtf"));
    EXPECT_THROW(recording.printer.printDocument({"Summary", "text"}), PlatformError);
    EXPECT_EQ(recording.answers.pending(), 1u);
}

// A print to a missing folder, and what it says, is in the selection_summary transcript.
TEST_F(TemporaryFolder, DocumentsGoToTheAnsweredFileAndWindowsAreRecorded) {
    RecordingServices recording;
    const fs::path target = folder / "summary.txt";
    recording.answers.enqueue(DialogAnswer::print(target.string()));
    Printer& printer = recording.printer;
    EXPECT_EQ(printer.printDocument({"Summary", "ZYL RAC SELECTION/RATING SUMMARY\n"}),
              (PrintResult{PrintOutcome::Printed, ""}));
    EXPECT_EQ(contentsOf(target),
              textPdf({"Summary", "", "", "ZYL RAC SELECTION/RATING SUMMARY\n"}));
    EXPECT_EQ(printer.printDocument({"Summary", "again"}).outcome, PrintOutcome::Cancelled);
    const Form form("frmSelectBinData");
    EXPECT_TRUE(printer.printWindow(form));
    recording.printer.setWindowPrintsFail(true);
    EXPECT_FALSE(printer.printWindow(form));
    const auto& printed = recording.printer.printed();
    ASSERT_EQ(printed.size(), 4u);
    EXPECT_EQ(printed[1].path, std::nullopt);
    EXPECT_EQ(printed[2].name, "frmSelectBinData");
    EXPECT_EQ(printed[3].outcome, PrintOutcome::Failed);
}

// The selection is what a print dialog offers first; an export is always the whole document.
TEST_F(TemporaryFolder, PrintsTakeTheSelectionExportsTheWholeText) {
    RecordingServices recording;
    PrintDocument document{
        "Summary", "Supply\nExtract", {"Arial", 8.25, true}, "Extract", {"ZYL RAC", "today"}};
    recording.answers.enqueue(DialogAnswer::print((folder / "selection.pdf").string()));
    EXPECT_EQ(recording.printer.printDocument(document).outcome, PrintOutcome::Printed);
    EXPECT_EQ(contentsOf(folder / "selection.pdf"),
              textPdf({"Summary", "ZYL RAC", "today", "Extract", 8.25, true}));
    EXPECT_TRUE(recording.printer.exportPdf(document, (folder / "summary.pdf").string()));
    EXPECT_EQ(contentsOf(folder / "summary.pdf"),
              textPdf({"Summary", "ZYL RAC", "today", "Supply\nExtract", 8.25, true}));
    EXPECT_EQ(recording.printer.exportPdf(document, (folder / "no" / "x.pdf").string()),
              WriteResult{"No such file or directory"});
    const auto& printed = recording.printer.printed();
    ASSERT_EQ(printed.size(), 3u);
    EXPECT_EQ(printed[1], (PrintRecord{PrintRecord::Kind::Pdf, "Summary", "Supply\nExtract",
                                       (folder / "summary.pdf").string(), PrintOutcome::Printed}));
    EXPECT_EQ(printed[2].outcome, PrintOutcome::Failed);
}

TEST(SystemClock, ReadsAsDateAndMinutes) {
    const ClockReading reading = SystemClock().now();
    EXPECT_TRUE(std::regex_match(reading.date, std::regex(R"(\d{4}-\d{2}-\d{2})"))) << reading.date;
    EXPECT_TRUE(std::regex_match(reading.time, std::regex(R"(\d{2}:\d{2})"))) << reading.time;
}

} // namespace
} // namespace rac::platform
