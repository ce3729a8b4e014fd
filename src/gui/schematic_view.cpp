#include "gui/schematic_view.h"

#include "gui/painted_item.h"
#include "gui/qt_text.h"

#include <QPainter>
#include <QPainterPath>

namespace rac::gui {

namespace {

const QColor kOutline(0x37, 0x47, 0x4f);
const QColor kPipe(0x90, 0xa4, 0xae);
const QColor kCoil(0xec, 0xef, 0xf1);

struct Geometry {
    QRectF supplyDuct;
    QRectF extractDuct;
    QRectF supplyCoil;
    QRectF extractCoil;
    qreal upX;   // the pipe from the extract coil up to the supply coil
    qreal downX; // the pipe from the supply coil down to the extract coil
};

Geometry geometryOf(const QRectF& area) {
    const qreal ductHeight = area.height() * 0.24;
    const qreal coilWidth = qMax(area.width() * 0.10, 28.0);
    Geometry g;
    g.supplyDuct = QRectF(area.left(), area.top(), area.width(), ductHeight);
    g.extractDuct = QRectF(area.left(), area.bottom() - ductHeight, area.width(), ductHeight);
    const qreal coilX = area.center().x() - coilWidth / 2;
    g.supplyCoil = QRectF(coilX, g.supplyDuct.top() - 4, coilWidth, ductHeight + 8);
    g.extractCoil = QRectF(coilX, g.extractDuct.top() - 4, coilWidth, ductHeight + 8);
    g.upX = g.supplyCoil.left() + coilWidth * 0.25;
    g.downX = g.supplyCoil.right() - coilWidth * 0.25;
    return g;
}

void drawDuct(QPainter& painter, const QRectF& duct, const PaintedItem& shape, const QString& name,
              bool rightwards) {
    if (shape.visible()) {
        painter.setPen(QPen(kOutline, 1.5));
        painter.setBrush(toQt(shape.back()));
        painter.drawRect(duct);
    }
    // The air's name where it comes in, its direction where it leaves.
    painter.setPen(QPen(kOutline, 1.5));
    const qreal half = duct.width() * 0.45;
    const QRectF inlet(rightwards ? duct.left() : duct.right() - half, duct.top(), half,
                       duct.height());
    const QRectF outlet(rightwards ? duct.right() - half : duct.left(), duct.top(), half,
                        duct.height());
    painter.drawText(inlet, Qt::AlignCenter, name);
    const qreal y = duct.center().y();
    const qreal arrow = qMin(duct.height() * 0.25, 10.0);
    const qreal x = outlet.center().x();
    const qreal tip = rightwards ? x + arrow * 2 : x - arrow * 2;
    const qreal tail = rightwards ? x - arrow * 2 : x + arrow * 2;
    const qreal back = rightwards ? tip - arrow : tip + arrow;
    painter.drawLine(QPointF(tail, y), QPointF(tip, y));
    painter.drawLine(QPointF(tip, y), QPointF(back, y - arrow * 0.7));
    painter.drawLine(QPointF(tip, y), QPointF(back, y + arrow * 0.7));
}

void drawCoil(QPainter& painter, const QRectF& coil) {
    painter.setPen(QPen(kOutline, 1.5));
    painter.setBrush(kCoil);
    painter.drawRect(coil);
    painter.setPen(QPen(kOutline, 0.8));
    const int fins = 5;
    for (int fin = 1; fin < fins; ++fin) {
        const qreal x = coil.left() + coil.width() * fin / fins;
        painter.drawLine(QPointF(x, coil.top() + 2), QPointF(x, coil.bottom() - 2));
    }
}

// A pipe of six segments between two heights; element 0 at the start of the flow.
void drawPipe(QPainter& painter, qreal x, qreal from, qreal to, const SchematicView::Pipe& pipe) {
    painter.setPen(QPen(kPipe, 7, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(x, from), QPointF(x, to));
    const qreal step = (to - from) / SchematicView::kSegments;
    for (int segment = 0; segment < SchematicView::kSegments; ++segment) {
        const PaintedItem& line = *pipe[static_cast<std::size_t>(segment)];
        if (!line.visible()) {
            continue;
        }
        painter.setPen(QPen(toQt(line.fore()), 5, Qt::SolidLine, Qt::FlatCap));
        const qreal start = from + step * segment;
        painter.drawLine(QPointF(x, start + step * 0.08), QPointF(x, start + step * 0.92));
    }
}

void drawPump(QPainter& painter, const QPointF& centre, qreal radius) {
    painter.setPen(QPen(kOutline, 1.5));
    painter.setBrush(QColor(0xf5, 0xb4, 0x00));
    painter.drawEllipse(centre, radius, radius);
    QPainterPath arrow;
    arrow.moveTo(centre + QPointF(0, -radius * 0.6));
    arrow.lineTo(centre + QPointF(radius * 0.5, radius * 0.4));
    arrow.lineTo(centre + QPointF(-radius * 0.5, radius * 0.4));
    arrow.closeSubpath();
    painter.setBrush(kOutline);
    painter.drawPath(arrow);
}

} // namespace

SchematicView::SchematicView(PaintedItem& supplyDuct, PaintedItem& extractDuct, const Pipe& up,
                             const Pipe& down, QWidget* parent)
    : QWidget(parent), supplyDuct_(supplyDuct), extractDuct_(extractDuct), up_(up), down_(down) {
    setObjectName(QStringLiteral("schematicView"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    watch(supplyDuct_);
    watch(extractDuct_);
    for (PaintedItem* item : up_) {
        watch(*item);
    }
    for (PaintedItem* item : down_) {
        watch(*item);
    }
}

void SchematicView::watch(PaintedItem& item) {
    connect(&item, &PaintedItem::changed, this, qOverload<>(&QWidget::update));
}

QSize SchematicView::sizeHint() const {
    const int line = fontMetrics().height();
    return {line * 26, line * 13};
}

QSize SchematicView::minimumSizeHint() const {
    const int line = fontMetrics().height();
    return {line * 18, line * 8};
}

void SchematicView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Geometry g = geometryOf(QRectF(rect()).adjusted(2, 6, -2, -6));

    drawDuct(painter, g.supplyDuct, supplyDuct_, QStringLiteral("Supply air"), true);
    drawDuct(painter, g.extractDuct, extractDuct_, QStringLiteral("Extract air"), false);

    const qreal top = g.supplyCoil.bottom();
    const qreal bottom = g.extractCoil.top();
    drawPipe(painter, g.upX, bottom, top, up_);
    drawPipe(painter, g.downX, top, bottom, down_);
    drawCoil(painter, g.supplyCoil);
    drawCoil(painter, g.extractCoil);
    // The pump stands beside the return pipe, clear of its lit segments.
    const qreal pump = qMin(g.supplyCoil.width() * 0.32, 11.0);
    const QPointF pumpCentre(g.upX - pump - 12, (top + bottom) / 2);
    painter.setPen(QPen(kPipe, 3));
    painter.drawLine(pumpCentre, QPointF(g.upX, pumpCentre.y()));
    drawPump(painter, pumpCentre, pump);

    painter.setPen(kOutline);
    const qreal textWidth = 40;
    painter.drawText(QRectF(pumpCentre.x() - pump - textWidth - 6, top, textWidth, bottom - top),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("T2"));
    painter.drawText(QRectF(g.downX + 10, top, textWidth, bottom - top),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("T1"));
}

} // namespace rac::gui
