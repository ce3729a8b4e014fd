#include "gui/message_sink.h"

#include "gui/qt_text.h"

#include <QApplication>
#include <QPushButton>

namespace rac::gui {

std::unique_ptr<QMessageBox> makeMessageBox(const Message& message, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(message.title.empty() ? QStringLiteral("ZYL RAC") : toQt(message.title));
    box->setTextFormat(Qt::PlainText); // a typed value never turns into markup
    box->setText(toQt(message.text));
    box->setIcon(message.icon == MessageIcon::Information ? QMessageBox::Information
                                                          : QMessageBox::NoIcon);
    QMessageBox::StandardButtons buttons;
    for (const auto button : message.buttons) {
        buttons |= button == MessageButton::Help ? QMessageBox::Help : QMessageBox::Ok;
    }
    box->setStandardButtons(buttons == QMessageBox::StandardButtons() ? QMessageBox::Ok : buttons);
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(QMessageBox::Ok);
    return box;
}

void QtMessageSink::show(const Message& message) {
    const auto box = makeMessageBox(message, QApplication::activeWindow());
    box->exec();
    if (box->clickedButton() != nullptr && box->clickedButton() == box->button(QMessageBox::Help)) {
        help_.show(platform::helpAtContext(message.helpFile, message.helpContext));
    }
}

} // namespace rac::gui
