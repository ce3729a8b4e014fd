// The Qt side of the platform services: settings, file filters, help, messages and printing.
#include "dialog_driver.h"
#include "file_contents.h"
#include "gui/file_dialogs.h"
#include "gui/help_topics.h"
#include "gui/help_window.h"
#include "gui/message_sink.h"
#include "gui/settings_store.h"
#include "gui/window_printer.h"
#include "pdf_reading.h"
#include "platform/form.h"
#include "platform/platform_error.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace rac::gui {
namespace {

using namespace testing_support;
using platform::PrintOutcome;

TEST(QtSettingsStore, SectionsAreGroupsOfTheStore) {
    QTemporaryDir folder;
    const QString path = folder.filePath("ZYLRAC.ini");
    {
        QtSettingsStore store(path);
        store.write("PaybackCalc", "Country", "7");
        store.write("PaybackCalc", "EnergyCost", "0.12, peak");
        EXPECT_EQ(store.read("PaybackCalc", "Country"), "7");
        EXPECT_EQ(store.read("PaybackCalc", "BinLocation", "missing"), "missing");
    }
    const QByteArray text = contentsOf(path);
    EXPECT_TRUE(text.contains("[PaybackCalc]"));
    EXPECT_TRUE(text.contains("Country=7"));
    QtSettingsStore again(path); // what one run wrote, the next reads
    EXPECT_EQ(again.read("PaybackCalc", "EnergyCost"), "0.12, peak");
}

TEST(QtSettingsStore, BadStoresGiveTheDefaults) {
    QTemporaryDir folder;
    // Missing file.
    EXPECT_EQ(QtSettingsStore(folder.filePath("none.ini")).read("PaybackCalc", "Country", "d"),
              "d");
    // Unreadable: a folder where the file should be.
    QDir(folder.path()).mkdir("store.ini");
    QtSettingsStore unreadable(folder.filePath("store.ini"));
    EXPECT_EQ(unreadable.read("PaybackCalc", "Country", "d"), "d");
    EXPECT_NO_THROW(unreadable.write("PaybackCalc", "Country", "3"));
    // A hand-edited list reads as its one text; a garbled file gives the defaults.
    const auto handEdited = [&](const char* name, const char* text) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) > 0);
        return folder.filePath(name);
    };
    QtSettingsStore list(handEdited("list.ini", "[PaybackCalc]\nCountry=1, 2\n"));
    EXPECT_EQ(list.read("PaybackCalc", "Country", "d"), "1, 2");
    QtSettingsStore garbled(
        handEdited("garbled.ini", "[PaybackCalc]\nCountry=1\n\x01\x02garbage\n[broken\n"));
    EXPECT_EQ(garbled.read("PaybackCalc", "Country", "d"), "d");
    // Names the store cannot hold, even where Qt would find a value by them.
    EXPECT_EQ(list.read("", "PaybackCalc/Country", "d"), "d");
    EXPECT_THROW(list.write("", "Country", "1"), platform::PlatformError);
}

TEST(QtNameFilters, FormFiltersBecomeQtFilters) {
    const std::pair<const char*, QStringList> rows[] = {
        {"Rich Text Format (*.rtf)|*.rtf|", {"Rich Text Format (*.rtf)"}},
        {"Rich Text|*.rtf", {"Rich Text (*.rtf)"}},
        {"Documents|*.rtf;*.doc|All files (*.*)|*.*|",
         {"Documents (*.rtf *.doc)", "All files (*.*)"}},
        {"Text (plain)|*.txt|", {"Text (plain) (*.txt)"}},
        {"", {}},
        {"No pattern||", {}},
    };
    for (const auto& [filter, expected] : rows) {
        EXPECT_EQ(qtNameFilters(filter), expected) << filter;
    }
}

TEST(Help, RequestsOpenTheContentsOrTheirTopicAndTheTextIsSearched) {
    EXPECT_EQ(helpPageFor(platform::helpContents("ZYLRAC.hlp")), "index.html");
    EXPECT_EQ(helpPageFor(platform::helpAtContext("C:\\Program Files\\ZYL\\zylrac.hlp", 1)),
              "circuiting.html");
    EXPECT_EQ(helpPageFor(platform::helpAtContext("ZYLRAC.hlp", 2)), "costing.html");
    EXPECT_EQ(helpPageFor(platform::helpAtContext("/opt/zyl/ZYLRAC.HLP", 99)), "index.html");
    EXPECT_EQ(helpPageFor(platform::helpContents("other.hlp")), std::nullopt);
    for (const auto& topic : helpTopics()) {
        EXPECT_FALSE(contentsOf(":/help/" + topic.page).isEmpty()) << topic.page.toStdString();
    }

    QtHelpViewer viewer;
    viewer.show(platform::helpAtContext("ZYLRAC.hlp", 1));
    ASSERT_NE(viewer.window(), nullptr);
    EXPECT_EQ(viewer.window()->currentPage(), "circuiting.html");
    viewer.show(platform::helpContents("ZYLRAC.hlp"));
    EXPECT_EQ(viewer.window()->currentPage(), "index.html");

    viewer.window()->search("uncircuitable");
    const QStringList found = viewer.window()->listedTopics();
    EXPECT_TRUE(found.contains("Circuit types and non-standard configurations"));
    EXPECT_FALSE(found.contains("Costing and payback"));
    viewer.window()->search("");
    EXPECT_EQ(viewer.window()->listedTopics().size(), static_cast<qsizetype>(helpTopics().size()));
}

TEST(MessageBoxes, LookAsTheMessageAsksAndHelpOpensAtItsContext) {
    auto info = makeMessageBox(information("Value Out Of Range", "<b>50</b> kPa"), nullptr);
    EXPECT_EQ(info->windowTitle(), "Value Out Of Range");
    EXPECT_EQ(info->icon(), QMessageBox::Information);
    EXPECT_EQ(info->textFormat(), Qt::PlainText); // a typed value is never markup
    EXPECT_EQ(info->standardButtons(), QMessageBox::Ok);

    auto plain = makeMessageBox(okOnly("", "System Information Is Unavailable"), nullptr);
    EXPECT_EQ(plain->windowTitle(), "ZYL RAC");
    EXPECT_EQ(plain->icon(), QMessageBox::NoIcon);

    const auto nonStandard = withHelpButton("Non-Standard", "text", "zylrac.hlp", 1);
    auto withHelp = makeMessageBox(nonStandard, nullptr);
    EXPECT_EQ(withHelp->standardButtons(), QMessageBox::Ok | QMessageBox::Help);
    EXPECT_EQ(withHelp->icon(), QMessageBox::NoIcon);

    platform::RecordingHelpViewer help;
    QtMessageSink sink(help);
    testing_support::DialogDriver dialogs;
    dialogs.answerWith(QMessageBox::Help); // then OK
    sink.show(nonStandard);
    sink.show(nonStandard);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    ASSERT_EQ(help.requests().size(), 1u); // OK opens nothing
    EXPECT_EQ(help.requests().front(), platform::helpAtContext("zylrac.hlp", 1));
}

// Windows and documents on paper and in PDF files: the text in its own font, a header and page
// numbers on every page, and the selection when that is what the person chose.
// Long enough for two pages, tab-separated like the summary, and ending with lines of tabs.
platform::PrintDocument summaryLike() {
    std::string text = "ZYL RAC SELECTION/RATING SUMMARY";
    for (int row = 1; row <= 120; ++row) {
        text += "\nRow " + std::to_string(row) + ":\t\t" + std::to_string(row * 10) + "\tm³/s\t\t";
    }
    for (int row = 0; row < 60; ++row) {
        text += "\n\t\t\t\t\t";
    }
    return {"Coil Selection / Rating Summary",
            text,
            {"Arial", 8.25, true},
            "Row 7:\t\t70\tm³/s",
            {"ZYL RAC Version 1.1", "2024-03-05"}};
}

class DocumentPages : public ::testing::Test {
  protected:
    DocumentPages() : form("frmToy", "Toy window") {
        window.resize(300, 200);
        new QLabel("Printed", &window);
    }

    // A printer whose dialog picks a PDF file, or cancels when given no path, and leaves the
    // print range as it was offered, or sets it to every page.
    QtPrinter printerTo(const QString& path, bool keepRange = true) {
        return QtPrinter([this](const platform::Form&) { return &window; },
                         [this, path, keepRange](QPrinter& printer, const QString&, bool offered) {
                             ++asked;
                             selectionOffered = offered;
                             printer.setOutputFormat(QPrinter::PdfFormat);
                             printer.setOutputFileName(path);
                             if (!keepRange) {
                                 printer.setPrintRange(QPrinter::AllPages);
                             }
                             return !path.isEmpty();
                         });
    }

    QTemporaryDir folder;
    platform::Form form;
    QWidget window;
    int asked = 0;
    bool selectionOffered = false;
};

TEST_F(DocumentPages, ExportIsA4WithHeaderPageNumbersAndBoldTextAndAFailureSaysWhy) {
    const QString path = folder.filePath("summary.pdf");
    ASSERT_EQ(printerTo({}).exportPdf(summaryLike(), path.toStdString()), WriteResult{});
    const QString info = pdfInfo(path);
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+595 x 842 pts \\(A4\\)")))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n")))
        << "the blank end takes no page";
    EXPECT_TRUE(info.contains("Title:           Coil Selection / Rating Summary"));

    const QStringList pages = pdfText(path).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    for (int page = 0; page < 2; ++page) {
        const QString& text = pages[page];
        EXPECT_TRUE(text.contains(QRegularExpression("ZYL RAC Version 1.1 +2024-03-05")))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of 2").arg(page + 1)));
    }
    EXPECT_TRUE(pages[0].contains("ZYL RAC SELECTION/RATING SUMMARY"));
    EXPECT_TRUE(pages[0].contains(QRegularExpression(QString::fromUtf8("Row 7: +70 +m³/s"))));
    EXPECT_TRUE(pages[1].contains(QRegularExpression("Row 120: +1200")));

    // Printed in the document's bold face, not a plain or fixed one.
    const QStringList fonts = pdfFonts(path).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    EXPECT_TRUE(std::any_of(fonts.begin(), fonts.end(), [](const QString& font) {
        return font.contains("Bold");
    })) << pdfFonts(path).toStdString();

    // A failed export says why and leaves the earlier file alone.
    const QByteArray earlier = contentsOf(path);
    const WriteResult missing = printerTo({}).exportPdf(
        summaryLike(), folder.filePath("missing/summary.pdf").toStdString());
    EXPECT_FALSE(missing);
    EXPECT_FALSE(missing.failure.empty());
    EXPECT_FALSE(printerTo({}).exportPdf(summaryLike(), folder.path().toStdString()));
    EXPECT_EQ(contentsOf(path), earlier);
}

TEST_F(DocumentPages, PrintOffersTheSelectionAndPrintsWhatThePersonChose) {
    const QString selection = folder.filePath("selection.pdf");
    EXPECT_EQ(printerTo(selection).printDocument(summaryLike()).outcome, PrintOutcome::Printed);
    EXPECT_TRUE(selectionOffered);
    const QString selected = pdfText(selection);
    EXPECT_TRUE(selected.contains(QRegularExpression(QString::fromUtf8("Row 7: +70 +m³/s"))));
    EXPECT_FALSE(selected.contains("Row 8:"));
    EXPECT_TRUE(selected.contains("Page 1 of 1"));

    const QString whole = folder.filePath("whole.pdf");
    EXPECT_EQ(printerTo(whole, false).printDocument(summaryLike()).outcome, PrintOutcome::Printed);
    EXPECT_TRUE(pdfText(whole).contains("Row 120:"));

    platform::PrintDocument nothingSelected = summaryLike();
    nothingSelected.selected.clear();
    EXPECT_EQ(printerTo(folder.filePath("all.pdf")).printDocument(nothingSelected).outcome,
              PrintOutcome::Printed);
    EXPECT_FALSE(selectionOffered);
    EXPECT_TRUE(pdfText(folder.filePath("all.pdf")).contains("Page 2 of 2"));
}

TEST_F(DocumentPages, AWindowGoesToTheChosenFileCancelledIsNotAFailureAndFailureIsReported) {
    const QString path = folder.filePath("window.pdf");
    EXPECT_TRUE(printerTo(path).printWindow(form));
    EXPECT_TRUE(contentsOf(path).startsWith("%PDF"));
    EXPECT_TRUE(printerTo({}).printWindow(form));
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(printerTo(folder.filePath("missing/window.pdf")).printWindow(form));
    QtPrinter noWindow([](const platform::Form&) -> QWidget* { return nullptr; },
                       [](QPrinter&, const QString&, bool) { return true; });
    EXPECT_FALSE(noWindow.printWindow(form));
    EXPECT_EQ(printerTo({}).printDocument({"Summary", "x"}),
              (platform::PrintResult{platform::PrintOutcome::Cancelled, ""}));
    EXPECT_EQ(printerTo(folder.filePath("missing/x.pdf")).printDocument({"Summary", "x"}),
              (platform::PrintResult{platform::PrintOutcome::Failed,
                                     "the PDF file cannot be written there"}));
}

} // namespace
} // namespace rac::gui
