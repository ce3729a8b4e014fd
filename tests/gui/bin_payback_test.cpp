// The bin payback on the desktop as a person runs it: the bin option ticked with the mouse, a
// location picked from the popup, confirmed, Calculate, the coloured results and both charts.
#include "costing_desktop.h"
#include "gui/chart_view.h"
#include "gui/desktop.h"
#include "gui/form_binding.h"
#include "list_popup.h"

#include <QAction>
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace rac::gui {
namespace {

class BinPaybackDesktop : public testing_support::CostingDesktop {
  protected:
    // A window the program shows, once it is up.
    QWidget* shownWindow(const char* form) {
        QWidget* window = desktop.window(form);
        EXPECT_NE(window, nullptr) << form;
        if (window != nullptr) {
            EXPECT_TRUE(QTest::qWaitFor([window] { return window->isVisible(); })) << form;
        }
        return window;
    }
    void click(QWidget* window, const char* button) {
        QTest::mouseClick(in<QPushButton>(window, button), Qt::LeftButton);
    }
    static QString cell(QWidget* window, const char* array, int bin) {
        const QString name = QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(bin);
        auto* box = window->findChild<QLineEdit*>(name);
        return box == nullptr ? QStringLiteral("<none>") : box->text();
    }
    static QColor background(QWidget* window, const char* array, int bin) {
        const QString name = QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(bin);
        auto* box = window->findChild<QLineEdit*>(name);
        return box == nullptr ? QColor() : box->palette().color(QPalette::Base);
    }
    // The series the chart widget draws: each set's name, once, beside its bars.
    static std::string drawnSeries(ChartView& view) {
        QStringList names;
        for (QAbstractSeries* series : view.chart()->series()) {
            for (QBarSet* set : static_cast<QBarSeries*>(series)->barSets()) {
                if (!names.contains(set->label())) {
                    names << set->label();
                }
            }
        }
        return names.join(QStringLiteral(", ")).toStdString();
    }
};

TEST_F(BinPaybackDesktop, TickPickConfirmCalculateAndChart) {
    // The country kept by an earlier costing is put back to the United Kingdom's first.
    ASSERT_TRUE(testing_support::pickWithMouse(*in<QComboBox>(costing, "cmbCountry"),
                                               QStringLiteral("United Kingdom")));
    auto* binOption = in<QRadioButton>(costing, "optBinPayback");
    QTest::mouseClick(binOption, Qt::LeftButton);
    ASSERT_TRUE(binOption->isChecked());
    auto* selectBins = in<QPushButton>(costing, "cmdBinData");
    ASSERT_TRUE(QTest::qWaitFor([selectBins] { return selectBins->isVisible(); }));
    EXPECT_FALSE(in<QLineEdit>(costing, "txtAnnualRunHours")->isVisible());
    EXPECT_EQ(in<QLineEdit>(costing, "txtSelectedBinCountry")->text().toStdString(),
              "United Kingdom - London");

    QTest::mouseClick(selectBins, Qt::LeftButton);
    QWidget* locations = shownWindow("frmSelectBinData");
    ASSERT_NE(locations, nullptr);
    EXPECT_EQ(locations->windowTitle(), "Select Bin Data");
    EXPECT_TRUE(desktop.binding("frmSelectBinData")->unbound().empty());
    QApplication::setActiveWindow(locations);
    ASSERT_TRUE(testing_support::pickWithMouse(*in<QComboBox>(locations, "cmbLocation"),
                                               QStringLiteral("Germany - Frankfurt")));
    EXPECT_EQ(cell(locations, "txtBinDB", 8), "21.6");
    EXPECT_EQ(cell(locations, "txtBinHours", 1), "10");

    // The weather chart of the picked location.
    click(locations, "cmdSowGaphically");
    QWidget* weather = shownWindow("frmBinDataGraphics");
    ASSERT_NE(weather, nullptr);
    auto* weatherView = in<ChartView>(weather, "chartBinData");
    ASSERT_NE(weatherView, nullptr);
    EXPECT_EQ(weatherView->chart()->title(), "Bin Data - Germany - Frankfurt");
    EXPECT_EQ(drawnSeries(*weatherView), "DB, WB, RH, Hours");
    click(weather, "Command1");
    EXPECT_TRUE(QTest::qWaitFor([weather] { return !weather->isVisible(); }));

    click(locations, "cmdOK");
    EXPECT_TRUE(QTest::qWaitFor([locations] { return !locations->isVisible(); }));
    EXPECT_EQ(in<QLineEdit>(costing, "txtSelectedBinCountry")->text().toStdString(),
              "Germany - Frankfurt");

    click(costing, "cmdCalculateCost");
    QWidget* results = shownWindow("frmBinDataResults");
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->windowTitle(), "Estimated Payback Based on Bin Data");
    EXPECT_TRUE(desktop.binding("frmBinDataResults")->unbound().empty());
    // Bin 1 at -10.8 C heats, bin 9 at 26.2 C cools; extract air on is 20 C.
    EXPECT_EQ(background(results, "txtBinDB", 1), QColor(255, 192, 192));
    EXPECT_EQ(background(results, "txtSavingCash", 1), QColor(255, 192, 192));
    EXPECT_EQ(background(results, "txtBinHours", 9), QColor(192, 192, 255));
    EXPECT_EQ(background(results, "txtSavingKWh", 9), QColor(192, 192, 255));
    EXPECT_EQ(cell(results, "txtBinDB", 1), "-10.8");
    EXPECT_FALSE(cell(results, "txtSavingKWh", 9).startsWith('-'));
    EXPECT_EQ(in<QLabel>(results, "lblCoilCost")->text().toStdString(), "Coil Cost (£)");
    const QString payback = in<QLineEdit>(results, "txtPayback")->text();
    EXPECT_FALSE(payback.isEmpty());
    EXPECT_EQ(in<QLineEdit>(costing, "txtPayBackCost")->text(), payback);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    QApplication::setActiveWindow(results);
    click(results, "cmdShowGraphics");
    QWidget* savings = shownWindow("frmBinGraphics");
    ASSERT_NE(savings, nullptr);
    auto* savingsView = in<ChartView>(savings, "chartBinResults");
    ASSERT_NE(savingsView, nullptr);
    EXPECT_EQ(savingsView->chart()->title(),
              "Energy and Cost Savings by Bin - Germany - Frankfurt");
    EXPECT_EQ(drawnSeries(*savingsView), "Energy Saving (kWh), Cost Saving (£)");
    EXPECT_EQ(in<QLabel>(savings, "lblBinSummary(1)")->text().toStdString(),
              "Bin1, DB -10.8°C, WB -10.2°C, RH 97.0%, Hours 10");
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

} // namespace
} // namespace rac::gui
