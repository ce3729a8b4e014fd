#include "gui/field_layout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace rac::gui {

QGridLayout* gridIn(QGroupBox& frame) {
    auto* grid = new QGridLayout(&frame);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    return grid;
}

void addRow(QGridLayout& grid, int row, QWidget& label, QWidget& field, int span) {
    if (auto* text = qobject_cast<QLabel*>(&label)) {
        text->setBuddy(&field);
    }
    grid.addWidget(&label, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    grid.addWidget(&field, row, 1, 1, span);
}

void fitNumberBox(QLineEdit& box, int digits) {
    box.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const QFontMetrics metrics(box.font());
    box.setMinimumWidth(metrics.horizontalAdvance(QString(digits, QLatin1Char('0'))) + 16);
}

void keepPlaceWhenHidden(QWidget& widget) {
    QSizePolicy policy = widget.sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget.setSizePolicy(policy);
}

} // namespace rac::gui
