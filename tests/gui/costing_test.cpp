// The costing windows as a person uses them: opened from the main window after a Calculate,
// lists picked with the mouse on their popup items, boxes ticked and typed into, buttons pressed,
// and the summary and the bin payback's windows opened from them.
#include "desktop_fixture.h"
#include "dialog_driver.h"
#include "gui/chart_view.h"
#include "gui/costing_window.h"
#include "gui/desktop.h"
#include "gui/form_binding.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace rac::gui {
namespace {

using testing_support::click;
using testing_support::DialogDriver;
using testing_support::in;

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

// The costing screen on the offscreen desktop, opened as a person opens it: Calculate, then
// Costing on the main window.
class CostingWindows : public ::testing::Test {
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

    QString text(const char* name) { return in<QLineEdit>(costing, name)->text(); }
    // A window the program shows, once it is up.
    QWidget* shownWindow(const char* form) {
        QWidget* window = desktop.window(form);
        EXPECT_NE(window, nullptr) << form;
        if (window != nullptr) {
            EXPECT_TRUE(QTest::qWaitFor([window] { return window->isVisible(); })) << form;
        }
        return window;
    }
    // The password window, opened from the costing screen's Additional Information.
    QWidget* openPassword() {
        in<QAction>(costing, "mnuAdditionalInformation")->trigger();
        return shownWindow("frmPassword");
    }
    static void typeInto(QLineEdit* box, const char* typed) {
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClicks(box, typed);
    }
    // A bin's box in one of a window's grid columns, as the widget shows it.
    static std::pair<QString, QColor> cell(QWidget* window, const char* array, int bin) {
        const QString name = QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(bin);
        auto* box = window->findChild<QLineEdit*>(name);
        return box == nullptr ? std::pair{QStringLiteral("<none>"), QColor()}
                              : std::pair{box->text(), box->palette().color(QPalette::Base)};
    }

    Desktop desktop;
    QWidget* main = nullptr;
    QWidget* costing = nullptr;
};

class PickedCosting : public CostingWindows, public ::testing::WithParamInterface<Pick> {};

TEST_P(PickedCosting, PricedAfterACalculate) {
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(static_cast<CostingWindow*>(costing)->unplaced().empty());
    EXPECT_TRUE(desktop.binding("frmCosting")->unbound().empty());

    auto* style = in<QComboBox>(costing, "cmbCasingStyleSupply");
    ASSERT_TRUE(pick(GetParam(), *style, "Coverbox"));
    EXPECT_EQ(style->currentText(), "Coverbox");
    ASSERT_TRUE(pick(GetParam(), *in<QComboBox>(costing, "cmbCountry"), "Kuwait"));
    EXPECT_TRUE(in<QLineEdit>(costing, "txtExchangeRate")->isVisible());
    EXPECT_EQ(text("txtExchangeRate"), "0.5");

    typeInto(in<QLineEdit>(costing, "txtEnergyCost"), "0.01");
    // A payback entry's text is selected as it gains the focus: typing replaces it.
    auto* hours = in<QLineEdit>(costing, "txtAnnualRunHours");
    QTest::mouseClick(hours, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([hours] { return hours->selectedText() == "3000"; }));
    QTest::keyClicks(hours, "2500");
    EXPECT_EQ(hours->text(), "2500");
    auto* stiffeners = in<QCheckBox>(costing, "chkStiffenersExtract");
    QTest::mouseClick(stiffeners, Qt::LeftButton);
    EXPECT_TRUE(stiffeners->isChecked());

    click(costing, "cmdCalculateCost");
    // Leaving the Coverbox list ticked vent and drain on the supply coil.
    EXPECT_TRUE(in<QCheckBox>(costing, "chkVentDrainSupply")->isChecked());
    EXPECT_EQ(text("txtCasingDepthSupply"), "405");
    // The prices are the costing's own tests; the saving shows the typed entries reached it.
    EXPECT_EQ(text("txtAnnualEnergyCostSaving"), "756"); // 30.25 kW, 2500 h, 0.01 KWD a kWh
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Print opens the summary modal over the costing, the picked casing in it.
    click(costing, "cmdPrint");
    QWidget* summary = shownWindow("frmSummary");
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(in<QTextEdit>(summary, "RichTextBox1")->toPlainText().contains("Coverbox"));
    click(summary, "cmdclose");
    EXPECT_TRUE(QTest::qWaitFor([summary] { return !summary->isVisible(); }));
    EXPECT_TRUE(costing->isVisible());

    // Closing gives the main window back.
    click(costing, "cmdclose");
    EXPECT_TRUE(QTest::qWaitFor([this] { return main->isVisible(); }));
    EXPECT_FALSE(costing->isVisible());
}

TEST_F(CostingWindows, PasswordWrongThenRightRevealsTheBreakdown) {
    QWidget* window = openPassword();
    ASSERT_NE(window, nullptr);
    auto* box = in<QLineEdit>(window, "txtPassword");
    EXPECT_EQ(box->echoMode(), QLineEdit::Password);

    typeInto(box, "torvix205917");
    {
        DialogDriver dialogs;
        click(window, "cmdOK");
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].title, "Incorrect Password");
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(in<QPushButton>(costing, "cmdCostingBreakdown")->isVisible());

    box->selectAll();
    QTest::keyClicks(box, "TORVIX205917");
    QTest::keyClick(box, Qt::Key_Return); // types nothing, presses nothing
    EXPECT_TRUE(window->isVisible());
    click(window, "cmdOK");
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
    click(password, "cmdOK");

    click(costing, "cmdCalculateCost");
    EXPECT_TRUE(desktop.application().form("frmCostingBreakdown")->loaded());
    EXPECT_EQ(desktop.window("frmCostingBreakdown"), nullptr);
    auto* breakdownButton = in<QPushButton>(costing, "cmdCostingBreakdown");
    ASSERT_TRUE(breakdownButton->isEnabled());
    QTest::mouseClick(breakdownButton, Qt::LeftButton);
    QWidget* breakdown = shownWindow("frmCostingBreakdown");
    ASSERT_NE(breakdown, nullptr);
    EXPECT_TRUE(desktop.binding("frmCostingBreakdown")->unbound().empty());
    EXPECT_EQ(in<QLineEdit>(breakdown, "txtFixMaterialSupply")->text(), "1.00");
    EXPECT_EQ(in<QLineEdit>(breakdown, "txtCarriageCost")->text(), "0.00");
    click(breakdown, "cmdOK");
    EXPECT_FALSE(breakdown->isVisible());
}

// The bin payback as a person runs it: the bin option ticked with the mouse, a location picked
// from the popup, confirmed, Calculate, the coloured results and both charts.
TEST_F(CostingWindows, BinPaybackTickPickConfirmCalculateAndChart) {
    // The country kept by an earlier costing is put back to the United Kingdom's first.
    ASSERT_TRUE(testing_support::pickWithMouse(*in<QComboBox>(costing, "cmbCountry"),
                                               QStringLiteral("United Kingdom")));
    auto* binOption = in<QRadioButton>(costing, "optBinPayback");
    QTest::mouseClick(binOption, Qt::LeftButton);
    ASSERT_TRUE(binOption->isChecked());
    auto* selectBins = in<QPushButton>(costing, "cmdBinData");
    ASSERT_TRUE(QTest::qWaitFor([selectBins] { return selectBins->isVisible(); }));

    QTest::mouseClick(selectBins, Qt::LeftButton);
    QWidget* locations = shownWindow("frmSelectBinData");
    ASSERT_NE(locations, nullptr);
    EXPECT_TRUE(desktop.binding("frmSelectBinData")->unbound().empty());
    QApplication::setActiveWindow(locations);
    ASSERT_TRUE(testing_support::pickWithMouse(*in<QComboBox>(locations, "cmbLocation"),
                                               QStringLiteral("Germany - Frankfurt")));
    EXPECT_EQ(cell(locations, "txtBinDB", 8).first, "21.6");

    // The weather chart of the picked location.
    click(locations, "cmdSowGaphically");
    QWidget* weather = shownWindow("frmBinDataGraphics");
    ASSERT_NE(weather, nullptr);
    auto* weatherView = in<ChartView>(weather, "chartBinData");
    ASSERT_NE(weatherView, nullptr);
    // The charts' series are the payback's own tests and the binding's; here, that each window
    // shows the chart of the location picked.
    EXPECT_EQ(weatherView->chart()->title(), "Bin Data - Germany - Frankfurt");
    click(weather, "Command1");
    EXPECT_TRUE(QTest::qWaitFor([weather] { return !weather->isVisible(); }));

    click(locations, "cmdOK");
    EXPECT_TRUE(QTest::qWaitFor([locations] { return !locations->isVisible(); }));
    EXPECT_EQ(in<QLineEdit>(costing, "txtSelectedBinCountry")->text().toStdString(),
              "Germany - Frankfurt");

    click(costing, "cmdCalculateCost");
    QWidget* results = shownWindow("frmBinDataResults");
    ASSERT_NE(results, nullptr);
    EXPECT_TRUE(desktop.binding("frmBinDataResults")->unbound().empty());
    // Bin 1 at -10.8 C heats, bin 9 at 26.2 C cools; extract air on is 20 C. The figures and
    // which rows are coloured are the payback's own tests; here, that the widgets show them.
    EXPECT_EQ(cell(results, "txtBinDB", 1),
              std::pair(QStringLiteral("-10.8"), QColor(255, 192, 192)));
    EXPECT_EQ(cell(results, "txtSavingKWh", 9).second, QColor(192, 192, 255));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    QApplication::setActiveWindow(results);
    click(results, "cmdShowGraphics");
    QWidget* savings = shownWindow("frmBinGraphics");
    ASSERT_NE(savings, nullptr);
    auto* savingsView = in<ChartView>(savings, "chartBinResults");
    ASSERT_NE(savingsView, nullptr);
    EXPECT_EQ(savingsView->chart()->title(),
              "Energy and Cost Savings by Bin - Germany - Frankfurt");
    // Each summary is read whole beside the chart, at any scaling (QT_SCALE_FACTOR=1.5 too).
    for (QLabel* summary : savings->findChildren<QLabel*>()) {
        if (summary->objectName().startsWith(QStringLiteral("lblBinSummary"))) {
            EXPECT_GE(summary->width(), summary->sizeHint().width())
                << summary->text().toStdString();
        }
    }

    in<QAction>(savings, "mnuClose")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([savings] { return !savings->isVisible(); }));
    click(results, "cmdOK");
    EXPECT_TRUE(QTest::qWaitFor([results] { return !results->isVisible(); }));
}

INSTANTIATE_TEST_SUITE_P(PickingWith, PickedCosting, ::testing::Values(Pick::Mouse, Pick::Keyboard),
                         [](const ::testing::TestParamInfo<Pick>& how) {
                             return how.param == Pick::Mouse ? "Mouse" : "Keyboard";
                         });

} // namespace
} // namespace rac::gui
