#include "gui/window_printer.h"

#include "gui/document_pages.h"
#include "gui/qt_text.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

namespace rac::gui {

namespace {

bool askForPdfFile(QPrinter& printer, const QString& title) {
    QString path = QFileDialog::getSaveFileName(
        QApplication::activeWindow(), title + QStringLiteral(" - Save as PDF"),
        QDir::home().filePath(QStringLiteral("ZYLRAC.pdf")), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) != 0) {
        path += QStringLiteral(".pdf");
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return true;
}

// A file the PDF output cannot create fails at QPainter::begin on some Qt versions and only at
// the end on others; checking first gives one answer.
bool outputWritable(const QPrinter& printer) {
    if (printer.outputFileName().isEmpty()) {
        return true;
    }
    const QFileInfo file(printer.outputFileName());
    return QFileInfo(file.absolutePath()).isWritable() && !file.isDir();
}

} // namespace

bool askForPrinter(QPrinter& printer, const QString& title, bool selection) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        return askForPdfFile(printer, title);
    }
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, selection);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrinter::printWindow(const platform::Form& form) {
    QWidget* window = windowOf_(form);
    if (window == nullptr) {
        return false;
    }
    const QPixmap image = window->grab();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(toQt(form.title()));
    printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
    if (!choose_(printer, QStringLiteral("Print Window"), false)) {
        return true; // cancelled: nothing printed, nothing failed
    }
    QPainter painter;
    if (!outputWritable(printer) || !painter.begin(&printer)) {
        return false;
    }
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(QPoint(page.x() + (page.width() - size.width()) / 2, page.y()), size),
                       image);
    return painter.end();
}

platform::PrintResult QtPrinter::printDocument(const platform::PrintDocument& document) {
    using platform::PrintOutcome;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(toQt(document.title));
    // With text selected, the dialog offers the selection and starts with it chosen.
    const bool selection = !document.selected.empty();
    printer.setPrintRange(selection ? QPrinter::Selection : QPrinter::AllPages);
    if (!choose_(printer, toQt(document.title), selection)) {
        return {PrintOutcome::Cancelled, {}};
    }
    if (!outputWritable(printer)) {
        return {PrintOutcome::Failed, "the PDF file cannot be written there"};
    }
    const bool selectionChosen = selection && printer.printRange() == QPrinter::Selection;
    if (!paintPages(printer, document, toQt(selectionChosen ? document.selected : document.text))) {
        return {PrintOutcome::Failed, "the printer could not be opened"};
    }
    if (printer.printerState() == QPrinter::Error) {
        return {PrintOutcome::Failed, "the printer reported an error"};
    }
    return {PrintOutcome::Printed, {}};
}

WriteResult QtPrinter::exportPdf(const platform::PrintDocument& document, const std::string& path) {
    // Written beside the file and put in its place only when whole, as a saved summary is.
    QSaveFile file(toQt(path));
    if (!file.open(QIODevice::WriteOnly)) {
        return {fromQt(file.errorString())};
    }
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(toQt(document.title));
        pdf.setCreator(toQt(document.header.left));
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter));
        if (!paintPages(pdf, document, toQt(document.text))) {
            file.cancelWriting();
            return {"the PDF could not be drawn"};
        }
    }
    if (!file.commit()) {
        return {fromQt(file.errorString())};
    }
    return {};
}

} // namespace rac::gui
