// Documents on paper and in PDF files: the text in its own font, a header and page numbers on
// every page, and the selection when that is what the person chose.
#include "gui/window_printer.h"
#include "pdf_reading.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace rac::gui {
namespace {

using namespace testing_support;
using platform::PrintOutcome;

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
    // A printer whose dialog picks a PDF file and leaves the print range as it was offered, or
    // sets it to every page.
    QtPrinter printerTo(const QString& path, bool keepRange = true) {
        return QtPrinter([](const platform::Form&) { return nullptr; },
                         [this, path, keepRange](QPrinter& printer, const QString&, bool offered) {
                             selectionOffered = offered;
                             printer.setOutputFormat(QPrinter::PdfFormat);
                             printer.setOutputFileName(path);
                             if (!keepRange) {
                                 printer.setPrintRange(QPrinter::AllPages);
                             }
                             return true;
                         });
    }

    QTemporaryDir folder;
    bool selectionOffered = false;
};

TEST_F(DocumentPages, ExportIsA4WithHeaderPageNumbersAndTheTextInItsBoldFont) {
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
}

TEST_F(DocumentPages, AFailedExportSaysWhyAndKeepsAnEarlierFile) {
    const QString path = folder.filePath("summary.pdf");
    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
    earlier.close();
    const WriteResult missing = printerTo({}).exportPdf(
        summaryLike(), folder.filePath("missing/summary.pdf").toStdString());
    EXPECT_FALSE(missing);
    EXPECT_FALSE(missing.failure.empty());
    EXPECT_FALSE(printerTo({}).exportPdf(summaryLike(), folder.path().toStdString()));
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "earlier");
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

} // namespace
} // namespace rac::gui
