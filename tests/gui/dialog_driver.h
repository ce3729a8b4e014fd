#pragma once

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <vector>

namespace rac::gui::testing_support {

// Answers the modal dialogs a person meets as a person would, once each is on the screen: a
// message box with a click on its OK button, a file dialog by typing the next file name given
// into its name box and pressing Enter, or Escape when none is left; a message box with another
// button when the test says which. Keeps what each showed.
class DialogDriver final : public QObject {
  public:
    struct Shown {
        QString title;
        QString text; // a message's text, or a file dialog's name filters
    };

    DialogDriver() {
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs); // the same dialogs everywhere
        qApp->installEventFilter(this);
    }
    ~DialogDriver() override { qApp->removeEventFilter(this); }

    void typeFileName(const QString& path) { fileNames_.push_back(path); }
    // The next message box is answered with this button rather than OK.
    void answerWith(QMessageBox::StandardButton button) { buttons_.push_back(button); }

    std::vector<Shown> messages;
    std::vector<Shown> fileDialogs;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show) {
            return false;
        }
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            messages.push_back({box->windowTitle(), box->text()});
            QPointer<QMessageBox> shown(box);
            const QMessageBox::StandardButton button =
                buttons_.empty() ? QMessageBox::Ok : buttons_.front();
            if (!buttons_.empty()) {
                buttons_.pop_front();
            }
            QMetaObject::invokeMethod(
                this,
                [shown, button] {
                    if (shown) {
                        QTest::mouseClick(shown->button(button), Qt::LeftButton);
                    }
                },
                Qt::QueuedConnection);
        } else if (auto* dialog = qobject_cast<QFileDialog*>(watched)) {
            fileDialogs.push_back({dialog->windowTitle(), dialog->nameFilters().join(';')});
            QPointer<QFileDialog> shown(dialog);
            const QString name = fileNames_.empty() ? QString() : fileNames_.front();
            if (!fileNames_.empty()) {
                fileNames_.pop_front();
            }
            QMetaObject::invokeMethod(
                this, [shown, name] { answer(shown, name); }, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    static void answer(QPointer<QFileDialog> dialog, const QString& name) {
        if (!dialog) {
            return;
        }
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name.isEmpty() || edit == nullptr) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            return;
        }
        // The dialog fills its name box from the files it lists unless the box has the focus.
        QApplication::setActiveWindow(dialog);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    std::deque<QString> fileNames_;
    std::deque<QMessageBox::StandardButton> buttons_;
};

} // namespace rac::gui::testing_support
