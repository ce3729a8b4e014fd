#pragma once

// The program on the offscreen desktop, opened as a person opens it, and the ways a person reaches
// its widgets: mouse clicks, list picks from the popup and key presses.
#include "gui/desktop.h"
#include "list_popup.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>
#include <string>

namespace rac::gui::testing_support {

// A window's child, which the test expects to be there.
template <typename Widget> Widget* in(QWidget* window, const char* name) {
    auto* found = window->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}
inline void click(QWidget* window, const char* button) {
    QTest::mouseClick(in<QPushButton>(window, button), Qt::LeftButton);
}
// What the close box sends: a close asked for by the person, not by code. True when accepted.
inline bool closeByTheCloseBox(QWidget& window) {
    QCloseEvent byPerson;
    QSpontaneKeyEvent::setSpontaneous(&byPerson);
    QApplication::instance()->notify(&window, &byPerson); // sendEvent would clear it
    return byPerson.isAccepted();
}

class DesktopStart : public ::testing::Test {
  protected:
    QWidget& main() {
        QWidget* window = desktop.window("frmMain");
        EXPECT_NE(window, nullptr);
        return *window;
    }
    template <typename Widget> Widget& widget(const char* name) {
        return *in<Widget>(&main(), name);
    }
    platform::Form& form() { return *desktop.application().form("frmMain"); }
    // What the screen itself holds, whatever the widget shows.
    const std::string& model(const char* name) { return form().at(name).text(); }
    // What the widget shows.
    std::string text(const char* name) {
        if (auto* edit = main().findChild<QLineEdit*>(name)) {
            return edit->text().toStdString();
        }
        auto* combo = main().findChild<QComboBox*>(name);
        return combo == nullptr ? "<none>" : combo->currentText().toStdString();
    }
    // Keys go wherever the keyboard focus is, as a person's typing does.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
    }
    static void type(const char* keys) { QTest::keyClicks(static_cast<QWidget*>(nullptr), keys); }
    void openMain() {
        desktop.startWithSplash();
        QWidget* splash = desktop.window("frmSplash");
        ASSERT_NE(splash, nullptr);
        ASSERT_TRUE(splash->isVisible());
        QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(10, 10));
        QApplication::setActiveWindow(&main());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    }

    Desktop desktop;
};

} // namespace rac::gui::testing_support
