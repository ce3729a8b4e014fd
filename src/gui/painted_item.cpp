#include "gui/painted_item.h"

namespace rac::gui {

PaintedItem::PaintedItem(const QString& name, QObject* parent) : QObject(parent) {
    setObjectName(name);
}

void PaintedItem::setVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        emit changed();
    }
}

void PaintedItem::setBack(platform::Colour colour) {
    if (back_ != colour) {
        back_ = colour;
        emit changed();
    }
}

void PaintedItem::setFore(platform::Colour colour) {
    if (fore_ != colour) {
        fore_ = colour;
        emit changed();
    }
}

} // namespace rac::gui
