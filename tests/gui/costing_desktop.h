#pragma once

// The costing screen on the offscreen desktop, opened as a person opens it: Calculate, then
// Costing on the main window.
#include "gui/desktop.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace rac::gui::testing_support {

class CostingDesktop : public ::testing::Test {
  protected:
    void SetUp() override {
        desktop.start();
        main = desktop.window("frmMain");
        ASSERT_NE(main, nullptr);
        QTest::mouseClick(main->findChild<QPushButton*>("cmdCalculate"), Qt::LeftButton);
        QTest::mouseClick(main->findChild<QPushButton*>("cmdCosting"), Qt::LeftButton);
        costing = desktop.window("frmCosting");
        ASSERT_NE(costing, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([this] { return costing->isVisible(); }));
        // Large enough that nothing is scrolled out of reach.
        costing->resize(1500, 1000);
        QApplication::setActiveWindow(costing);
    }

    template <typename Widget> Widget* in(QWidget* window, const char* name) {
        auto* found = window->findChild<Widget*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    Desktop desktop;
    QWidget* main = nullptr;
    QWidget* costing = nullptr;
};

} // namespace rac::gui::testing_support
