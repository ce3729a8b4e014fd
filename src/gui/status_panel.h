#pragma once

#include <QWidget>

class QLabel;

namespace rac::gui {

// One panel of a status bar: a picture beside a text.
class StatusPanel final : public QWidget {
    Q_OBJECT

  public:
    StatusPanel(const QString& name, QWidget* parent);

    QString text() const;
    int picture() const { return picture_; }
    void setText(const QString& text);
    void setPicture(int picture);

  private:
    QLabel* icon_;
    QLabel* text_;
    int picture_ = 0;
};

} // namespace rac::gui
