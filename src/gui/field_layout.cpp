#include "gui/field_layout.h"

#include "gui/qt_text.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
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

namespace {

// Sizes a window to its scrolled page once the window has first shown: only then have all the
// page's widgets the sizes of their style, fonts and texts.
class FitOnFirstShow final : public QObject {
  public:
    FitOnFirstShow(QWidget& window, QScrollArea& scroll)
        : QObject(&window), window_(window), scroll_(scroll) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            window_.removeEventFilter(this);
            QMetaObject::invokeMethod(
                this, [this] { fit(); }, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    // What the window has beside its scroll area (menus, toolbar, buttons), and the whole page.
    void fit() {
        const QSize around = window_.size() - scroll_.size();
        const QSize wanted = around + scroll_.widget()->sizeHint() +
                             QSize(2 * scroll_.frameWidth(), 2 * scroll_.frameWidth());
        const QSize room = window_.screen()->availableGeometry().size() * 9 / 10;
        window_.resize(wanted.boundedTo(room));
        deleteLater();
    }

    QWidget& window_;
    QScrollArea& scroll_;
};

} // namespace

QScrollArea* scrolling(QWidget& page, QWidget& window) {
    auto* scroll = new QScrollArea(&window);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(&page);
    new FitOnFirstShow(window, *scroll);
    return scroll;
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
