#include "gui/window_printer.h"

#include "foundation/rtf_reader.h"
#include "gui/qt_text.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

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

platform::PrintOutcome QtPrinter::printDocument(const platform::PrintDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(toQt(document.title));
    if (!choose_(printer, toQt(document.title), document.selection)) {
        return platform::PrintOutcome::Cancelled;
    }
    if (!outputWritable(printer)) {
        return platform::PrintOutcome::Failed;
    }
    QTextDocument text;
    text.setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text.setPlainText(document.format == platform::DocumentFormat::RichText
                          ? toQt(plainTextOfRtf(document.text))
                          : toQt(document.text));
    text.print(&printer);
    return printer.printerState() == QPrinter::Error ? platform::PrintOutcome::Failed
                                                     : platform::PrintOutcome::Printed;
}

} // namespace rac::gui
