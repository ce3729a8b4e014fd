// The summary window as a person uses it: opened from the main window's Print button after a
// Calculate, commented, saved, exported, printed, closed and opened again.
#include "cli/application_program.h"
#include "cli/script_runner.h"
#include "desktop_fixture.h"
#include "dialog_driver.h"
#include "file_contents.h"
#include "gui/desktop.h"
#include "gui/form_binding.h"
#include "gui/qt_text.h"
#include "pdf_reading.h"

#include <QFile>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace rac::gui {
namespace {

using namespace testing_support;

// The same session through rac-cli, saving to the path given.
void saveThroughRacCli(const std::string& comment, const std::string& path) {
    cli::Json script = cli::Json::parse(R"({"actions": [
        {"click": "frmMain.cmdCalculate"}, {"click": "frmMain.cmdPrint"},
        {"set": "frmSummary.txtComment", "text": ""},
        {"click": "frmSummary.cmdAddComment"}, {"click": "frmSummary.cmdAddComment"},
        {"answer": {"save": ""}}, {"click": "frmSummary.Command1"}]})");
    script["actions"][2]["text"] = comment;
    script["actions"][5]["answer"]["save"] = path;
    ASSERT_EQ(cli::runScript(cli::readScript(script), cli::launchApplication).error, "");
}

class SummaryOnTheDesktop : public ::testing::Test {
  protected:
    SummaryOnTheDesktop() {
        desktop.start();
        QApplication::setActiveWindow(main());
    }

    QWidget* main() { return desktop.window("frmMain"); }
    QWidget* summary() { return desktop.window("frmSummary"); }
    QString document() { return in<QTextEdit>(summary(), "RichTextBox1")->toPlainText(); }

    // After a Calculate, the Print button opens the summary.
    void openSummary() {
        click(main(), "cmdCalculate");
        click(main(), "cmdPrint");
        QTRY_VERIFY(summary() != nullptr && summary()->isVisible());
    }

    platform::FixedClock clock{{"2000-01-01", "00:00"}}; // as rac-cli's
    Desktop desktop{clock};
    DialogDriver dialogs;
    QTemporaryDir folder;
};

TEST_F(SummaryOnTheDesktop, OpensModalIsCommentedSavedExportedAndFreshOnTheNextOpening) {
    openSummary();
    EXPECT_EQ(summary()->windowTitle(), " Coil Selection / Rating Summary");
    EXPECT_EQ(summary()->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(desktop.binding("frmSummary")->unbound().empty());
    // The document's lines are the summary's own tests and the transcripts'.
    EXPECT_TRUE(document().startsWith("ZYL RAC SELECTION/RATING SUMMARY\nVersion Number:"));
    QLineEdit* comment = in<QLineEdit>(summary(), "txtComment");
    QTest::mouseClick(comment, Qt::LeftButton);
    QTest::keyClicks(comment, QString::fromUtf8("Fan ½ inch {BSP} at 20 °C"));
    const QString built = document();
    click(summary(), "cmdAddComment");
    click(summary(), "cmdAddComment");
    const QString line = QString::fromUtf8("\nFan ½ inch {BSP} at 20 °C");
    EXPECT_EQ(document(), built + line + line);
    // The messages and the file dialogs' titles and filters are the summary's own tests and the
    // transcripts'; here, the files the person's answers write.
    EXPECT_EQ(dialogs.messages.size(), 2u);

    // Saved under a name typed without its extension.
    dialogs.typeFileName(folder.filePath("desktop"));
    click(summary(), "Command1");
    const QByteArray saved = contentsOf(folder.filePath("desktop.rtf"));
    EXPECT_TRUE(saved.startsWith("{\\rtf1"));
    saveThroughRacCli(fromQt(comment->text()), fromQt(folder.filePath("cli.rtf")));
    EXPECT_EQ(saved, contentsOf(folder.filePath("cli.rtf"))) << "the same file as rac-cli's";

    dialogs.typeFileName(folder.filePath("datasheet"));
    click(summary(), "cmdExportPDF");
    // Headers and page layout are the document pages' own tests. The comments follow the
    // document's empty lines, on a page of their own.
    const QStringList pages =
        pdfText(folder.filePath("datasheet.pdf")).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_TRUE(pages[0].contains(QRegularExpression("ZYL RAC Version 1.1 +2000-01-01")));
    EXPECT_TRUE(pages[2].contains(line.mid(1)));

    dialogs.typeFileName({}); // Escape: nothing written, nothing said
    click(summary(), "Command1");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 3);
    EXPECT_EQ(dialogs.messages.size(), 2u);

    click(summary(), "cmdclose");
    QTRY_VERIFY(!summary()->isVisible());
    click(main(), "cmdPrint");
    QTRY_VERIFY(summary()->isVisible());
    EXPECT_EQ(document(), built);
    EXPECT_EQ(in<QLineEdit>(summary(), "txtComment")->text(), "");

    // The program blanks the results behind the summary; a click on Calculate does not bring
    // them back while the summary is open.
    desktop.application().form("frmMain")->at("txtDBSupplyOff").setText("12");
    click(main(), "cmdCalculate");
    EXPECT_EQ(in<QLineEdit>(main(), "txtEffectiveness")->text(), "");
    click(summary(), "cmdclose");
    QTRY_VERIFY(!summary()->isVisible());
    click(main(), "cmdCalculate");
    EXPECT_EQ(in<QLineEdit>(main(), "txtEffectiveness")->text(), "60");
}

// Without a printer the print goes to a PDF file the person names.
TEST_F(SummaryOnTheDesktop, PrintKeepsTheDocumentsFont) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        GTEST_SKIP() << "a printer is installed: its dialog is not the file dialog";
    }
    openSummary();
    dialogs.typeFileName(folder.filePath("printed.pdf"));
    click(summary(), "cmdPrint");
    const QString path = folder.filePath("printed.pdf");
    EXPECT_TRUE(pdfText(path).contains(QRegularExpression("Dry Bulb: +0 +10 +20 +10.0")));
    EXPECT_TRUE(pdfFonts(path).contains("Bold")) << pdfFonts(path).toStdString();
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
} // namespace rac::gui
