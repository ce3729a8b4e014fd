#include "gui/status_panel.h"

#include "gui/icons.h"

#include <QHBoxLayout>
#include <QLabel>

namespace rac::gui {

StatusPanel::StatusPanel(const QString& name, QWidget* parent)
    : QWidget(parent), icon_(new QLabel(this)), text_(new QLabel(this)) {
    setObjectName(name);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 8, 0);
    layout->setSpacing(4);
    layout->addWidget(icon_);
    layout->addWidget(text_);
    icon_->setVisible(false);
}

QString StatusPanel::text() const {
    return text_->text();
}

void StatusPanel::setText(const QString& text) {
    text_->setText(text);
}

void StatusPanel::setPicture(int picture) {
    picture_ = picture;
    const QIcon icon = pictureIcon(picture);
    icon_->setVisible(!icon.isNull());
    const int side = fontMetrics().height();
    icon_->setPixmap(icon.pixmap(QSize(side, side), devicePixelRatioF()));
}

} // namespace rac::gui
