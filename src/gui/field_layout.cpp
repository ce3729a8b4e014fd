#include "gui/field_layout.h"

#include "gui/qt_text.h"

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

void chainTabOrder(QWidget& window, const std::vector<std::string>& names) {
    QWidget* previous = nullptr;
    for (const auto& name : names) {
        auto* widget = window.findChild<QWidget*>(toQt(name));
        if (previous != nullptr && widget != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget != nullptr ? widget : previous;
    }
}

} // namespace rac::gui
