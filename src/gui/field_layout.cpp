#include "gui/field_layout.h"

#include "gui/qt_text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

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

void fitLongestItem(QComboBox& list, const std::vector<std::string>& items) {
    const QFontMetrics metrics(list.font());
    int widest = 0;
    for (const std::string& item : items) {
        widest = std::max(widest, metrics.horizontalAdvance(toQt(item)));
    }
    // The list counts its least width in capital Xs.
    const int perCharacter = metrics.horizontalAdvance(QLatin1Char('X'));
    list.setMinimumContentsLength((widest + perCharacter - 1) / perCharacter);
}

void keepPlaceWhenHidden(QWidget& widget) {
    QSizePolicy policy = widget.sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget.setSizePolicy(policy);
}

} // namespace rac::gui
