// Rich-text boxes, charts and modal forms on real widgets.
#include "gui/chart_view.h"
#include "gui/form_binding.h"
#include "gui/form_widgets.h"
#include "platform/modal_group.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QValueAxis>
#include <gtest/gtest.h>
#include <memory>

namespace rac::gui {
namespace {

using platform::Control;
using platform::ControlKind;
using platform::Event;
using platform::Form;

// A window laid out in control order and bound to its form.
std::unique_ptr<QWidget> windowOf(Form& form) {
    auto window = std::make_unique<QWidget>();
    FormWidgets widgets(form, *window);
    auto* layout = new QVBoxLayout(window.get());
    for (const Control* control : form.controls()) {
        layout->addWidget(widgets.take(control->name()));
    }
    new FormBinding(form, *window);
    return window;
}

class SummaryLike : public ::testing::Test {
  protected:
    SummaryLike() {
        form.add(ControlKind::RichTextBox, "RichTextBox1").setLocked(true);
        form.add(ControlKind::Chart, "chartBinData");
        form.add(ControlKind::CommandButton, "cmdGo");
        form.on("cmdGo", Event::Click, [this](Control&) { ++clicks; });
        dialog.add(ControlKind::CommandButton, "cmdClose");
        dialog.on("cmdClose", Event::Click, [this](Control&) { dialog.unload(); });
        modal.add(form);
        modal.add(dialog);
        window = windowOf(form);
        dialogWindow = windowOf(dialog);
        form.show();
    }

    QTextEdit& document() { return *window->findChild<QTextEdit*>("RichTextBox1"); }

    Form form{"frmSummary", "Summary"};
    Form dialog{"frmDialog", "Dialog"};
    platform::ModalGroup modal; // after the forms: it stops observing them first
    std::unique_ptr<QWidget> window;
    std::unique_ptr<QWidget> dialogWindow;
    int clicks = 0;
};

TEST_F(SummaryLike, TheDocumentShowsTextFontAndSelectionAndAPersonsSelectionReachesTheModel) {
    Control& box = form.at("RichTextBox1");
    box.setText("SUMMARY\nDry Bulb:\t\t20\t°C");
    box.setFont({"Arial", 8.25, true});
    box.setSelection({8, 8});
    QTextEdit& edit = document();
    EXPECT_EQ(edit.toPlainText(), QString::fromUtf8("SUMMARY\nDry Bulb:\t\t20\t°C"));
    EXPECT_TRUE(edit.isReadOnly());
    EXPECT_TRUE(edit.document()->defaultFont().bold());
    EXPECT_DOUBLE_EQ(edit.document()->defaultFont().pointSizeF(), 8.25);
    EXPECT_EQ(edit.textCursor().selectedText(), "Dry Bulb");

    // The person selects the first line with the keyboard: Home, then Shift+End.
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(box.selection(), (platform::TextSelection{0, 7}));
    EXPECT_EQ(box.text(), "SUMMARY\nDry Bulb:\t\t20\t°C") << "read-only: typing changes nothing";
    QTest::keyClicks(&edit, "x");
    EXPECT_EQ(box.text(), "SUMMARY\nDry Bulb:\t\t20\t°C");
}

TEST_F(SummaryLike, TheChartShowsEverySeriesAgainstItsOwnAxis) {
    form.at("chartBinData")
        .setChart({"Bin Data - Dubai",
                   {"Bin 1", "Bin 2"},
                   {{"DB", {12.5, 20.0}, 0}, {"Hours", {300.0, 1200.0}, 1}},
                   {"% / °C", "Hours"}});
    auto* view = window->findChild<ChartView*>("chartBinData");
    ASSERT_NE(view, nullptr);
    QChart& chart = *view->chart();
    EXPECT_EQ(chart.title(), "Bin Data - Dubai");
    const auto axes = chart.axes(Qt::Vertical);
    ASSERT_EQ(axes.size(), 2);
    EXPECT_EQ(axes[0]->titleText(), QString::fromUtf8("% / °C"));
    EXPECT_EQ(axes[1]->titleText(), "Hours");
    // Each bar series carries its own axis's values and zeros for the other's.
    const auto series = chart.series();
    ASSERT_EQ(series.size(), 2);
    const auto* hoursBars = qobject_cast<QBarSeries*>(series[1]);
    ASSERT_NE(hoursBars, nullptr);
    EXPECT_EQ(hoursBars->barSets()[1]->at(1), 1200.0);
    EXPECT_EQ(hoursBars->barSets()[0]->at(1), 0.0);
    EXPECT_GE(qobject_cast<QValueAxis*>(axes[1])->max(), 1200.0);
}

TEST_F(SummaryLike, AModalFormKeepsClicksOnOtherWindowsFromTheirForms) {
    dialog.showModal();
    EXPECT_EQ(dialogWindow->windowModality(), Qt::ApplicationModal);
    auto* go = window->findChild<QPushButton*>("cmdGo");
    QTest::mouseClick(go, Qt::LeftButton);
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(dialogWindow->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    QTRY_VERIFY(!dialogWindow->isVisible());
    QTest::mouseClick(go, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace rac::gui
