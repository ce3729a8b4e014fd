#include "gui/document_pages.h"

#include "gui/qt_text.h"
#include "gui/rich_text_box.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextOption>

namespace rac::gui {

namespace {

// A box's text ends with lines of nothing but tabs (the rows of its table never written); on
// paper they would only add blank pages.
QString withoutBlankEnd(const QString& text) {
    static const QRegularExpression blankEnd(QStringLiteral("\\s+$"));
    QString trimmed = text;
    trimmed.remove(blankEnd);
    return trimmed;
}

struct PageFrame {
    QFont font;
    double lineHeight;
    QRectF page;   // the printable area, from the painter's origin
    QRectF header; // one line at the top
    QRectF body;   // the document's part of each page
    QRectF footer; // one line at the foot
};

PageFrame frameOf(QPainter& painter, const QPagedPaintDevice& device, QFont font) {
    font.setBold(false);
    painter.setFont(font);
    const double line = painter.fontMetrics().height();
    const QRectF page(0, 0, device.width(), device.height());
    PageFrame frame{font, line, page, {}, {}, {}};
    frame.header = QRectF(page.left(), page.top(), page.width(), line);
    frame.footer = QRectF(page.left(), page.bottom() - line, page.width(), line);
    const double top = frame.header.bottom() + line;
    frame.body = QRectF(page.left(), top, page.width(), frame.footer.top() - line - top);
    return frame;
}

void paintHeaderAndFooter(QPainter& painter, const PageFrame& frame,
                          const platform::PageHeader& header, int page, int pages) {
    painter.save();
    painter.setFont(frame.font);
    painter.drawText(frame.header, Qt::AlignLeft | Qt::AlignVCenter, toQt(header.left));
    painter.drawText(frame.header, Qt::AlignRight | Qt::AlignVCenter, toQt(header.right));
    const double rule = frame.header.bottom() + frame.lineHeight / 3;
    painter.drawLine(QPointF(frame.page.left(), rule), QPointF(frame.page.right(), rule));
    painter.drawText(frame.footer, Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("Page %1 of %2").arg(page).arg(pages));
    painter.restore();
}

} // namespace

bool paintPages(QPagedPaintDevice& device, const platform::PrintDocument& document,
                const QString& text) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const QFont font = qtFont(document.font, QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    const PageFrame frame = frameOf(painter, device, font);

    QTextDocument laidOut;
    laidOut.documentLayout()->setPaintDevice(&device); // fonts measured at the device's resolution
    laidOut.setDocumentMargin(0);
    laidOut.setDefaultFont(font);
    QTextOption option = laidOut.defaultTextOption();
    // Qt scales a laid-out document's tab stops from a 96 dpi screen to the paint device.
    constexpr double layoutDotsPerInch = 96;
    option.setTabStopDistance(tabStopDistance(layoutDotsPerInch));
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    laidOut.setDefaultTextOption(option);
    laidOut.setPlainText(withoutBlankEnd(text));
    laidOut.setPageSize(frame.body.size()); // lines are kept whole on one page

    const int pages = laidOut.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage()) {
            return false;
        }
        paintHeaderAndFooter(painter, frame, document.header, page + 1, pages);
        painter.save();
        const double offset = page * frame.body.height();
        painter.translate(frame.body.left(), frame.body.top() - offset);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, offset, frame.body.width(), frame.body.height());
        context.palette.setColor(QPalette::Text, Qt::black);
        painter.setClipRect(context.clip);
        laidOut.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

} // namespace rac::gui
