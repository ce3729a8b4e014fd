#pragma once

#include "platform/colour.h"

#include <QObject>

namespace rac::gui {

// A shape or line of a form: no widget of its own, drawn by the view that holds it. The binding
// sets its state; the view repaints when it changes.
class PaintedItem final : public QObject {
    Q_OBJECT

  public:
    PaintedItem(const QString& name, QObject* parent);

    bool visible() const { return visible_; }
    platform::Colour back() const { return back_; }
    platform::Colour fore() const { return fore_; }
    void setVisible(bool visible);
    void setBack(platform::Colour colour);
    void setFore(platform::Colour colour);

  signals:
    void changed();

  private:
    bool visible_ = true;
    platform::Colour back_ = platform::white;
    platform::Colour fore_ = platform::black;
};

} // namespace rac::gui
