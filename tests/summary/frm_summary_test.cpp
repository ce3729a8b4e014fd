// The summary window's rules: the document it opens with, the comment, and where printing,
// saving and exporting send it, with the main screen of a running program and a costing screen;
// then in the running program: opened modal from the main and costing screens, built afresh each
// time.
#include "costing/costing_layout.h"
#include "costing/frm_costing.h"
#include "foundation/rtf_writer.h"
#include "foundation/utf8.h"
#include "summary/frm_summary.h"
#include "summary_fixture.h"
#include "support/temporary_folder.h"

#include <unistd.h>

namespace rac::summary::testing_support {
namespace {

namespace fs = std::filesystem;
using platform::DialogAnswer;
using platform::PrintOutcome;
namespace user = platform::user;

// The program's screens as the summary finds them.
class Screens final : public SummaryShell {
  public:
    explicit Screens(const platform::Form& main) : main_(main) {}
    const platform::Form* loadedForm(std::string_view name) const override {
        return name == "frmMain" ? &main_ : name == "frmCosting" ? costing : nullptr;
    }
    const platform::Form* costing = nullptr;

  private:
    const platform::Form& main_;
};

// Keeps every document it is handed and answers as told.
class DocumentPrinter final : public platform::Printer {
  public:
    bool printWindow(const platform::Form&) override { return true; }
    platform::PrintResult printDocument(const platform::PrintDocument& document) override {
        documents.push_back(document);
        return printAnswer;
    }
    WriteResult exportPdf(const platform::PrintDocument& document,
                          const std::string& path) override {
        documents.push_back(document);
        exportedTo.push_back(path);
        return exportAnswer;
    }

    std::vector<platform::PrintDocument> documents;
    std::vector<std::string> exportedTo;
    platform::PrintResult printAnswer{PrintOutcome::Printed, ""};
    WriteResult exportAnswer;
};

class SummaryWindow : public Summary {
  protected:
    SummaryWindow() {
        services.clock.set(clock);
        calculate();
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    ~SummaryWindow() override { fs::remove_all(folder); }

    // Opened with the recording services, or with the given printer.
    FrmSummary& open(platform::Printer* printer = nullptr) {
        const platform::Services with{
            services.messages, services.settings,
            services.dialogs,  printer != nullptr ? *printer : services.printer,
            services.help,     services.events,
            services.clock};
        window = std::make_unique<FrmSummary>(with, costingDone, screens);
        window->show();
        return *window;
    }
    const std::string& document() const { return window->at("RichTextBox1").text(); }
    void click(std::string_view control) { ASSERT_TRUE(user::click(*window, control)) << control; }
    void answerSave(const fs::path& path) {
        services.answers.enqueue(DialogAnswer::save(path.string()));
    }
    std::vector<Message> messages() const { return services.messages.shown(); }

    bool costingDone = true;
    Screens screens{main};
    std::unique_ptr<FrmSummary> window;
    const fs::path folder = fs::temp_directory_path() /
                            ("rac_summary_window_" + std::to_string(::getpid()) + "_" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

// The captions, the box's lock and font are in the selection_summary transcript's dumps.
TEST_F(SummaryWindow, TitleAndToolTipsAsTheScreenDesignHasThem) {
    open();
    EXPECT_EQ(window->title(), " Coil Selection / Rating Summary");
    const std::pair<const char*, const char*> rows[] = {
        {"txtComment", "Place comment here to be added to end of summary"},
        {"cmdAddComment", "Press this button to add comment to summary"},
        {"cmdPrint", "Send a copy of the summary to a printer"},
        {"Command1", "Save file as rtf for viewing in word processor software"},
        {"cmdExportPDF", "Write the summary to a PDF datasheet with the program, its version and "
                         "the date at the top of each page"},
    };
    for (const auto& [name, toolTip] : rows) {
        EXPECT_EQ(window->at(name).toolTip(), toolTip) << name;
    }
}

// The costing part follows the flag and the costing screen as they are when the window opens.
TEST_F(SummaryWindow, OpensWithTheDocumentOfTheScreensAsTheyAreNow) {
    const struct {
        const char* name;
        const platform::Form* costingScreen;
        bool costingDone;
    } cases[] = {
        {"costing current", &costing.form, true},
        {"costing screen closed: the flag is cleared", &costing.form, false},
        {"no costing screen loaded", nullptr, true},
    };
    for (const auto& c : cases) {
        screens.costing = c.costingScreen;
        costingDone = c.costingDone;
        open();
        EXPECT_EQ(document(), summaryText({main, c.costingScreen, c.costingDone, clock})) << c.name;
    }
}

// A cancelled save writing and saying nothing is in the selection_summary transcript.
TEST_F(SummaryWindow, SaveWritesTheDocumentAsRichText) {
    open();
    ASSERT_TRUE(user::set(*window, "txtComment", "½ inch {BSP}"));
    click("cmdAddComment");
    services.messages.clear();
    answerSave(folder / "summary");     // no extension: ".rtf" is added
    answerSave(folder / "summary.doc"); // one given is kept
    click("Command1");
    click("mnuSave");
    EXPECT_EQ(test::contentsOf(folder / "summary.rtf"), rtfOfPlainText(document()));
    EXPECT_EQ(test::contentsOf(folder / "summary.doc"), rtfOfPlainText(document()));
    EXPECT_EQ(services.dialogs.shown(),
              (std::vector<platform::SaveDialog>(
                  2, {"Save Summary", "Rich Text Format (*.rtf)|*.rtf|", 1})));
}

// A save to a missing folder is in the selection_summary transcript, the reasons a file cannot be
// written in the file output tests. An empty name must not become ".rtf".
TEST_F(SummaryWindow, ASaveWithoutANameSaysWhyAndLeavesTheWindowAsItWas) {
    open();
    const std::string before = document();
    services.answers.enqueue(DialogAnswer::save(""));
    click("Command1");
    EXPECT_EQ(messages(), (std::vector<Message>{information(
                              "Summary Not Saved",
                              "The summary could not be saved to \"\": no file name was given.")}));
    EXPECT_EQ(document(), before);
    EXPECT_TRUE(window->shown());
}

// The characters selected in the box, counted as the box counts them.
platform::TextSelection selectionOf(const std::string& text, std::string_view part) {
    const std::size_t at = text.find(part);
    const auto count = [](std::string_view piece) {
        return static_cast<int>(utf8::decode(piece)->size());
    };
    return {count(std::string_view(text).substr(0, at)), count(part)};
}

TEST_F(SummaryWindow, PrintHandsOverTheDocumentInItsFontWithTheSelection) {
    DocumentPrinter printer;
    open(&printer);
    click("cmdPrint");
    const std::string line = "Supply Air Vol: \t\t2.5\tm³/s";
    ASSERT_TRUE(user::select(*window, "RichTextBox1", selectionOf(document(), line)));
    click("mnuPrint");
    const platform::PrintDocument whole{"Coil Selection / Rating Summary",
                                        document(),
                                        {"Arial", 8.25, true},
                                        "",
                                        {"ZYL RAC Version 1.1", "2024-03-05"}};
    platform::PrintDocument selected = whole;
    selected.selected = line;
    EXPECT_EQ(printer.documents, (std::vector<platform::PrintDocument>{whole, selected}));
    EXPECT_TRUE(messages().empty());

    // A cancelled print says nothing; a failed one's message is in the selection_summary
    // transcript.
    printer.printAnswer = {PrintOutcome::Cancelled, ""};
    click("cmdPrint");
    EXPECT_TRUE(messages().empty());
}

TEST_F(SummaryWindow, ExportPdfAsksForAFileAndWritesTheWholeDocument) {
    DocumentPrinter printer;
    open(&printer);
    ASSERT_TRUE(user::select(*window, "RichTextBox1", {0, 7}));
    answerSave(folder / "datasheet");
    click("cmdExportPDF");
    services.answers.enqueue(DialogAnswer::cancel());
    click("mnuExportPDF");
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printer.documents[0].text, document());
    EXPECT_EQ(printer.exportedTo, (std::vector<std::string>{(folder / "datasheet.pdf").string()}));
    EXPECT_EQ(services.dialogs.shown(), (std::vector<platform::SaveDialog>(
                                            2, {"Export PDF", "PDF Document (*.pdf)|*.pdf|", 1})));
    EXPECT_TRUE(messages().empty());

    printer.exportAnswer = {"No space left on device"};
    answerSave(folder / "full.pdf");
    click("cmdExportPDF");
    EXPECT_EQ(messages(), (std::vector<Message>{information(
                              "Summary Not Exported", "The summary could not be exported to \"" +
                                                          (folder / "full.pdf").string() +
                                                          "\": No space left on device.")}));
}

// Close is in the selection_summary transcript, whose next opening starts afresh.
TEST_F(SummaryWindow, TheCloseMenuEntryUnloadsTheWindow) {
    open();
    click("mnuClose");
    EXPECT_FALSE(window->loaded());
}

using mainscreen::testing_support::MainScreen;

class OpenSummary : public MainScreen {
  protected:
    OpenSummary() { calculate(); }

    FrmSummary& summary = app.form<FrmSummary>();
    const std::string& document() const { return summary.at("RichTextBox1").text(); }
};

// Opening it modal by the Print button and the toolbar, the main screen refusing the user
// meanwhile and reachable again after Close, and a comment gone at the next opening, are in the
// selection_summary transcript and the summary script tests.
TEST_F(OpenSummary, EachOpeningBuildsAFreshDocument) {
    ASSERT_TRUE(user::click(main, "cmdPrint"));
    // The program's own changes to the main screen do not reach an open summary.
    main.SetRatingMode();
    EXPECT_NE(document().find("Selection"), std::string::npos);

    ASSERT_TRUE(user::close(summary)); // the close box, as Close
    ASSERT_TRUE(user::click(main, "cmdCalculate"));
    ASSERT_TRUE(user::click(main, "cmdPrint"));
    EXPECT_EQ(document(), summaryText({main, nullptr, false, services.clock.now()}));
    EXPECT_NE(document().find("Mode:" + std::string(36, ' ') + "Rating"), std::string::npos);
}

// The costing's Print button opening it modal with the costing, the toolbar opening it and the
// costing reachable after each Close, are in the rating_bin_summary transcript.
TEST_F(OpenSummary, TheCostingToolbarOpensItWithTheCostingWhichWaits) {
    ASSERT_TRUE(user::click(main, "cmdCosting"));
    auto& costing = app.form<costing::FrmCosting>();
    ASSERT_TRUE(user::click(costing, "cmdCalculateCost"));
    ASSERT_TRUE(user::pressToolbarButton(costing, costing::layout::kToolReport));
    EXPECT_EQ(summary.state(), platform::FormState::ShownModal);
    EXPECT_EQ(document(), summaryText({main, &costing, true, services.clock.now()}));
    EXPECT_NE(document().find("Casing Style:"), std::string::npos);
    EXPECT_FALSE(user::click(costing, "cmdCalculateCost")) << "the costing waits";
}

} // namespace
} // namespace rac::summary::testing_support
