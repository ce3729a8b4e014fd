// The costing windows as a person uses them: opened from the main window after a Calculate,
// lists picked with the mouse on their popup items, boxes ticked and typed into, buttons pressed.
#include "costing_desktop.h"
#include "gui/costing_window.h"
#include "gui/desktop.h"
#include "gui/form_binding.h"
#include "list_popup.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace rac::gui {
namespace {

// A person picks from a list with the mouse on the popup's item, or by typing the start of the
// item into the list.
enum class Pick { Mouse, Keyboard };

::testing::AssertionResult pick(Pick how, QComboBox& combo, const QString& item) {
    const int row = combo.findText(item);
    if (row < 0) {
        return ::testing::AssertionFailure()
               << combo.objectName().toStdString() << " has no " << item.toStdString();
    }
    if (how == Pick::Mouse) {
        return testing_support::pickWithMouse(combo, item)
                   ? ::testing::AssertionSuccess()
                   : ::testing::AssertionFailure() << "the popup did not take the pick";
    }
    combo.setFocus(Qt::TabFocusReason);
    QTest::keyClicks(&combo, item.left(4));
    return ::testing::AssertionSuccess();
}

// The title of the next message box, which is answered with a click on OK as soon as it is up:
// a box is modal, so the answer comes from the event loop it runs.
class NextMessageBox {
  public:
    NextMessageBox() { answerWhenUp(); }
    const QString& title() const { return title_; }

  private:
    void answerWhenUp() {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                answerWhenUp(); // not up yet: look again at the next turn of the event loop
                return;
            }
            title_ = box->windowTitle();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
    }
    QString title_;
};

class CostingWindows : public testing_support::CostingDesktop {
  protected:
    QString text(const char* name) { return in<QLineEdit>(costing, name)->text(); }

    // The password window, opened from the costing screen's Additional Information; none when
    // it does not come up.
    QWidget* openPassword() {
        in<QAction>(costing, "mnuAdditionalInformation")->trigger();
        QWidget* window = desktop.window("frmPassword");
        return window != nullptr && QTest::qWaitFor([window] { return window->isVisible(); })
                   ? window
                   : nullptr;
    }
    static void typeInto(QLineEdit* box, const char* typed) {
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClicks(box, typed);
    }
};

class PickedCosting : public CostingWindows, public ::testing::WithParamInterface<Pick> {};

TEST_P(PickedCosting, PricedAfterACalculate) {
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(static_cast<CostingWindow*>(costing)->unplaced().empty());
    EXPECT_TRUE(desktop.binding("frmCosting")->unbound().empty());
    EXPECT_EQ(costing->windowTitle(), "RAC Costing");
    EXPECT_EQ(text("txtCoilCodeSupply"), "12WH10.8-26Tx1000");

    auto* style = in<QComboBox>(costing, "cmbCasingStyleSupply");
    ASSERT_TRUE(pick(GetParam(), *style, "Coverbox"));
    EXPECT_EQ(style->currentText(), "Coverbox");
    ASSERT_TRUE(pick(GetParam(), *in<QComboBox>(costing, "cmbCountry"), "Kuwait"));
    EXPECT_EQ(in<QComboBox>(costing, "cmbCountry")->currentText(), "Kuwait");
    EXPECT_TRUE(in<QLineEdit>(costing, "txtExchangeRate")->isVisible());
    EXPECT_EQ(text("txtExchangeRate"), "0.5");

    auto* energy = in<QLineEdit>(costing, "txtEnergyCost");
    QTest::mouseClick(energy, Qt::LeftButton);
    QTest::keyClicks(energy, "0.01");
    // A payback entry's text is selected as it gains the focus: typing replaces it.
    auto* hours = in<QLineEdit>(costing, "txtAnnualRunHours");
    QTest::mouseClick(hours, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([hours] { return hours->selectedText() == "3000"; }));
    QTest::keyClicks(hours, "2500");
    EXPECT_EQ(hours->text(), "2500");
    auto* stiffeners = in<QCheckBox>(costing, "chkStiffenersExtract");
    QTest::mouseClick(stiffeners, Qt::LeftButton);
    EXPECT_TRUE(stiffeners->isChecked());

    QTest::mouseClick(in<QPushButton>(costing, "cmdCalculateCost"), Qt::LeftButton);
    // Leaving the Coverbox list ticked vent and drain on the supply coil.
    EXPECT_TRUE(in<QCheckBox>(costing, "chkVentDrainSupply")->isChecked());
    EXPECT_EQ(text("txtCasingDepthSupply"), "405");
    EXPECT_FALSE(text("txtSellPriceSupply").isEmpty());
    EXPECT_FALSE(text("txtSellPriceExtract").isEmpty());
    EXPECT_EQ(text("txtTotalRACExWorksPriceSterling").toInt(),
              text("txtSellPriceSupply").toInt() + text("txtSellPriceExtract").toInt());
    EXPECT_EQ(text("txtTotalRACExWorksPriceForeign").toInt(),
              qRound(text("txtTotalRACExWorksPriceSterling").toInt() * 0.5));
    EXPECT_EQ(text("txtAnnualEnergyCostSaving"), "756"); // 30.25 kW, 2500 h, 0.01 KWD a kWh
    EXPECT_TRUE(in<QPushButton>(costing, "cmdPrint")->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Closing gives the main window back, its costing withdrawn.
    QTest::mouseClick(in<QPushButton>(costing, "cmdclose"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([this] { return main->isVisible(); }));
    EXPECT_FALSE(costing->isVisible());
    EXPECT_FALSE(main->findChild<QPushButton*>("cmdCosting")->isEnabled());
}

TEST_F(CostingWindows, PasswordWrongThenRightRevealsTheBreakdown) {
    QWidget* window = openPassword();
    ASSERT_NE(window, nullptr);
    auto* box = in<QLineEdit>(window, "txtPassword");
    EXPECT_EQ(box->echoMode(), QLineEdit::Password);

    typeInto(box, "torvix205917");
    {
        const NextMessageBox refused;
        QTest::mouseClick(in<QPushButton>(window, "cmdOK"), Qt::LeftButton);
        EXPECT_EQ(refused.title(), "Incorrect Password");
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(in<QPushButton>(costing, "cmdCostingBreakdown")->isVisible());

    box->selectAll();
    QTest::keyClicks(box, "TORVIX205917");
    QTest::keyClick(box, Qt::Key_Return); // types nothing, presses nothing
    EXPECT_TRUE(window->isVisible());
    QTest::mouseClick(in<QPushButton>(window, "cmdOK"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([window] { return !window->isVisible(); }));
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_TRUE(in<QCheckBox>(costing, "chkGrossMargin")->isVisible());
    EXPECT_EQ(text("txtGrossMargin"), "60");
}

// Every costing fills the breakdown form, loaded hidden; its window is made only when a person
// opens it, so the costing's own repaint never waits for it.
TEST_F(CostingWindows, BreakdownWindowIsMadeWhenOpenedAndShowsTheCosting) {
    QWidget* password = openPassword();
    ASSERT_NE(password, nullptr);
    typeInto(in<QLineEdit>(password, "txtPassword"), "TORVIX205917");
    QTest::mouseClick(in<QPushButton>(password, "cmdOK"), Qt::LeftButton);

    QTest::mouseClick(in<QPushButton>(costing, "cmdCalculateCost"), Qt::LeftButton);
    EXPECT_TRUE(desktop.application().form("frmCostingBreakdown")->loaded());
    EXPECT_EQ(desktop.window("frmCostingBreakdown"), nullptr);
    auto* breakdownButton = in<QPushButton>(costing, "cmdCostingBreakdown");
    ASSERT_TRUE(breakdownButton->isEnabled());
    QTest::mouseClick(breakdownButton, Qt::LeftButton);
    QWidget* breakdown = desktop.window("frmCostingBreakdown");
    ASSERT_NE(breakdown, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([breakdown] { return breakdown->isVisible(); }));
    EXPECT_TRUE(desktop.binding("frmCostingBreakdown")->unbound().empty());
    EXPECT_EQ(in<QLineEdit>(breakdown, "txtFixMaterialSupply")->text(), "1.00");
    EXPECT_EQ(in<QLineEdit>(breakdown, "txtCarriageCost")->text(), "0.00");
    QTest::mouseClick(in<QPushButton>(breakdown, "cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(breakdown->isVisible());
}

INSTANTIATE_TEST_SUITE_P(PickingWith, PickedCosting, ::testing::Values(Pick::Mouse, Pick::Keyboard),
                         [](const ::testing::TestParamInfo<Pick>& how) {
                             return how.param == Pick::Mouse ? "Mouse" : "Keyboard";
                         });

} // namespace
} // namespace rac::gui
