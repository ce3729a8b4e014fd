// The binding between a toy form and real widgets, both ways, rich text and charts among them.
#include "desktop_fixture.h"
#include "gui/chart_view.h"
#include "gui/form_binding.h"
#include "gui/form_widgets.h"
#include "gui/painted_item.h"
#include "gui/status_panel.h"
#include "list_popup.h"
#include "platform/platform_error.h"

#include <QAction>
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
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

// A form with one control of most kinds, shown in a plain window laid out in control order.
class ToyScreen : public ::testing::Test {
  protected:
    ToyScreen() : form("frmToy", "Toy") {
        form.add(ControlKind::TextBox, "txtA").setText("1");
        form.add(ControlKind::TextBox, "txtB");
        form.add(ControlKind::List, "cmbList").addItems({"one", "two", "three"});
        form.add(ControlKind::EditableList, "cmbEdit").addItems({"H", "P"});
        form.add(ControlKind::CheckBox, "chkBox").setCaption("Check");
        form.add(ControlKind::CommandButton, "cmdGo").setCaption("Go");
        form.add(ControlKind::Label, "lblNote").setCaption("Note");
        form.add(ControlKind::Shape, "shpDuct");
        form.add(ControlKind::MenuEntry, "mnuFile").setCaption("&File");
        form.add(ControlKind::MenuEntry, "mnuMode", "mnuFile").setCaption("Mode");
        form.addElement(ControlKind::ToolbarButton, "Toolbar1", 1).setToolTip("First");
        form.addElement(ControlKind::StatusPanel, "StatusBar1", 1).setText("Ready");
        form.add(ControlKind::Timer, "tmrTick");
        form.add(ControlKind::RichTextBox, "RichTextBox1").setLocked(true);
        form.add(ControlKind::Chart, "chartBinData");
    }

    void build() {
        window = std::make_unique<QWidget>();
        FormWidgets widgets(form, *window);
        auto* layout = new QVBoxLayout(window.get());
        for (const char* name : {"txtA", "txtB", "cmbList", "cmbEdit", "chkBox", "cmdGo", "lblNote",
                                 "RichTextBox1", "chartBinData"}) {
            layout->addWidget(widgets.take(name));
        }
        widgets.buildMenus(*new QMenuBar(window.get()));
        widgets.buildToolbar(*new QToolBar(window.get()), [](int) { return false; });
        widgets.buildStatusBar(*new QStatusBar(window.get()));
        EXPECT_TRUE(widgets.untaken().empty());
        binding = new FormBinding(form, *window);
        form.show();
        QApplication::setActiveWindow(window.get());
    }

    template <typename T> T* widget(const char* name) {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    void count(const char* name, Event event) {
        form.on(name, event, [this, event](Control& c) {
            events.push_back(c.name() + (event == Event::Click ? " Click" : " Change"));
        });
    }

    Form form;
    std::unique_ptr<QWidget> window;
    FormBinding* binding = nullptr;
    std::vector<std::string> events;
};

TEST_F(ToyScreen, ModelReachesTheWidgetsWithoutFeedingBack) {
    build();
    auto* edit = widget<QLineEdit>("txtA");
    auto* list = widget<QComboBox>("cmbList");
    EXPECT_TRUE(binding->unbound().empty());
    EXPECT_EQ(window->windowTitle(), "Toy");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(edit->text(), "1");
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(window->findChild<QAction*>("Toolbar1(1)")->toolTip(), "First");
    EXPECT_EQ(widget<StatusPanel>("StatusBar1(1)")->text(), "Ready");

    count("txtA", Event::Change);
    count("cmbList", Event::Click);
    count("chkBox", Event::Click);
    QSignalSpy edited(edit, &QLineEdit::textEdited);
    QSignalSpy activated(list, &QComboBox::activated);
    form.at("txtA").setText("42");
    form.at("cmbList").setListIndex(2);
    form.at("chkBox").setValue(1);
    form.at("mnuMode").setChecked(true);
    form.at("txtB").setVisible(false);
    form.at("cmdGo").setEnabled(false);
    form.at("lblNote").setCaption("Changed");
    // One event per program change, from the model itself: the widgets' updates add none.
    EXPECT_EQ(events, (std::vector<std::string>{"txtA Change", "cmbList Click", "chkBox Click"}));
    EXPECT_EQ(edited.count(), 0);
    EXPECT_EQ(activated.count(), 0);
    EXPECT_EQ(edit->text(), "42");
    EXPECT_EQ(list->currentText(), "three");
    EXPECT_TRUE(widget<QCheckBox>("chkBox")->isChecked());
    EXPECT_TRUE(window->findChild<QAction*>("mnuMode")->isChecked());
    EXPECT_FALSE(widget<QLineEdit>("txtB")->isVisible());
    EXPECT_FALSE(widget<QPushButton>("cmdGo")->isEnabled());
    EXPECT_EQ(widget<QLabel>("lblNote")->text(), "Changed");

    Control& box = form.at("txtA");
    box.setBackColour(platform::black);
    box.setForeColour(platform::white);
    box.setLocked(true); // the style of a result
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(Qt::white));
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(edit->focusPolicy(), Qt::ClickFocus); // results are not tabbed through
    box.setLocked(false);
    EXPECT_FALSE(edit->isReadOnly());
    EXPECT_EQ(edit->focusPolicy(), Qt::StrongFocus);

    auto* duct = window->findChild<PaintedItem*>("shpDuct");
    QSignalSpy changed(duct, &PaintedItem::changed);
    form.at("shpDuct").setBackColour(platform::fromBgr(0x8080FF));
    form.at("shpDuct").setVisible(false);
    EXPECT_EQ(duct->back(), (platform::Colour{0xFF, 0x80, 0x80}));
    EXPECT_FALSE(duct->visible());
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(ToyScreen, KeyRuleReplacesKeysAndEnterTurnedIntoBellDoesNothing) {
    form.onKeyPress("txtA", [](Control&, char32_t& key) {
        if (key == U'x') {
            key = U'y';
        } else if (key == U'\r') {
            key = 7;
        }
    });
    build();
    count("txtA", Event::Change);
    auto* guarded = widget<QLineEdit>("txtA");
    auto* plain = widget<QLineEdit>("txtB");
    QSignalSpy guardedReturn(guarded, &QLineEdit::returnPressed);
    QSignalSpy plainReturn(plain, &QLineEdit::returnPressed);
    guarded->setFocus();
    QTest::keyClick(guarded, Qt::Key_Return);
    QTest::keyClick(guarded, Qt::Key_Enter);
    QTest::keyClick(plain, Qt::Key_Return);
    EXPECT_EQ(guardedReturn.count(), 0);
    EXPECT_EQ(plainReturn.count(), 1); // without the rule Enter reaches the widget
    EXPECT_EQ(form.at("txtA").text(), "1");
    EXPECT_TRUE(events.empty());

    QTest::keyClicks(guarded, "2x5");
    EXPECT_EQ(form.at("txtA").text(), "12y5");
    EXPECT_EQ(guarded->text(), "12y5");
    EXPECT_EQ(events.size(), 3u); // one change per key
    QTest::keyClick(guarded, Qt::Key_Backspace);
    EXPECT_EQ(form.at("txtA").text(), "12y");
}

TEST_F(ToyScreen, ListPicksClickUnlessLockedEmptyingDoesNotTypingAddsNoItem) {
    build();
    count("cmbList", Event::Click);
    auto* combo = widget<QComboBox>("cmbList");
    form.at("cmbList").setListIndex(0);
    events.clear();
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(form.at("cmbList").text(), "two");
    ASSERT_TRUE(testing_support::pickWithMouse(*combo, "two")); // the item already shown
    EXPECT_EQ(events, (std::vector<std::string>{"cmbList Click", "cmbList Click"}));

    form.at("cmbList").setLocked(true);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(form.at("cmbList").listIndex(), 1);
    EXPECT_EQ(events.size(), 2u);

    form.at("cmbList").clearItems();
    EXPECT_EQ(events.size(), 2u);
    EXPECT_EQ(combo->count(), 0);
    EXPECT_EQ(combo->currentText(), "");

    auto* editable = widget<QComboBox>("cmbEdit");
    editable->setFocus();
    QTest::keyClicks(editable->lineEdit(), "12");
    EXPECT_EQ(form.at("cmbEdit").text(), "12");
    EXPECT_EQ(editable->count(), 2); // typing adds no item
    QTest::keyClick(editable->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(editable->count(), 2);
}

TEST_F(ToyScreen, FaultInARuleIsReportedRefusedActionLeavesTheModelsState) {
    QString reported;
    FormBinding::setFaultReporter([&](const QString& what) { reported = what; });
    form.on("cmdGo", Event::Click, [](Control&) { throw platform::PlatformError("broken rule"); });
    build();
    QTest::mouseClick(widget<QPushButton>("cmdGo"), Qt::LeftButton);
    FormBinding::setFaultReporter({});
    EXPECT_EQ(reported, "broken rule"); // and the program carries on

    form.hide(); // a hidden form takes no action from a person
    auto* box = widget<QCheckBox>("chkBox");
    box->click();
    EXPECT_EQ(form.at("chkBox").value(), 0);
    EXPECT_FALSE(box->isChecked());
}

TEST_F(ToyScreen, FocusMovesReachTheFormUnlessALostFocusRuleKeepsIt) {
    std::vector<std::string> focus;
    for (const char* name : {"txtA", "txtB"}) {
        form.on(name, Event::GotFocus, [&](Control& c) { focus.push_back("in " + c.name()); });
        form.on(name, Event::LostFocus, [&](Control& c) {
            focus.push_back("out " + c.name());
            if (c.name() == "txtA" && c.text().empty()) {
                form.setFocus(c); // an emptied txtA keeps the focus
            }
        });
    }
    int goClicks = 0;
    form.on("cmdGo", Event::Click, [&](Control&) { ++goClicks; });
    build();
    auto* a = widget<QLineEdit>("txtA");
    a->setFocus(Qt::MouseFocusReason);
    widget<QLineEdit>("txtB")->setFocus(Qt::TabFocusReason);
    form.setFocus(form.at("txtA")); // the program moves it back
    EXPECT_EQ(focus,
              (std::vector<std::string>{"in txtA", "out txtA", "in txtB", "out txtB", "in txtA"}));
    EXPECT_TRUE(a->hasFocus());

    focus.clear();
    form.at("txtA").setText("");
    widget<QLineEdit>("txtB")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form.focus(), &form.at("txtA"));
    QTest::mouseClick(widget<QPushButton>("cmdGo"), Qt::LeftButton);
    EXPECT_EQ(goClicks, 0); // the click does not land while the field keeps the focus
    EXPECT_EQ(form.focus(), &form.at("txtA"));
    EXPECT_TRUE(a->hasFocus());
    // Each refused move is a LostFocus and a GotFocus of txtA; txtB never had the focus.
    EXPECT_EQ(focus, (std::vector<std::string>{"out txtA", "in txtA", "out txtA", "in txtA"}));
}

TEST_F(ToyScreen, ClosingByPersonProgramAndWindowSystem) {
    std::vector<platform::CloseSource> asked;
    form.onCloseRequest([&](platform::CloseSource source) {
        asked.push_back(source);
        return source == platform::CloseSource::Program ? platform::CloseReply::Refuse
                                                        : platform::CloseReply::Close;
    });
    build();
    EXPECT_FALSE(window->close()); // from code: refused, the window stays
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(form.shown());

    EXPECT_TRUE(testing_support::closeByTheCloseBox(*window));
    EXPECT_FALSE(form.loaded());
    EXPECT_FALSE(window->isVisible());

    form.show();
    EXPECT_TRUE(binding->closeForWindowSystem());
    EXPECT_EQ(asked, (std::vector{platform::CloseSource::Program, platform::CloseSource::User,
                                  platform::CloseSource::WindowSystem}));
}

TEST_F(ToyScreen, WaitPointerAndTimerFollowTheForm) {
    int ticks = 0;
    form.on("tmrTick", Event::Timer, [&](Control&) { ++ticks; });
    build();
    form.setMousePointer(platform::MousePointer::Wait);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    form.setMousePointer(platform::MousePointer::Normal);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    auto* timer = window->findChild<QTimer*>("tmrTick");
    form.at("tmrTick").setInterval(5);
    form.at("tmrTick").setEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }));
    EXPECT_EQ(timer->interval(), 5);
    form.unload(); // timers stop with their form
    EXPECT_FALSE(timer->isActive());
}

TEST_F(ToyScreen, RichTextShowsTextFontAndSelectionAndAPersonsSelectionReachesTheModel) {
    build();
    Control& box = form.at("RichTextBox1");
    box.setText("SUMMARY\nDry Bulb:\t\t20\t°C");
    box.setFont({"Arial", 8.25, true});
    box.setSelection({8, 8});
    QTextEdit& edit = *widget<QTextEdit>("RichTextBox1");
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
    QTest::keyClicks(&edit, "x");
    EXPECT_EQ(box.text(), "SUMMARY\nDry Bulb:\t\t20\t°C") << "read-only: typing changes nothing";
}

TEST_F(ToyScreen, ChartShowsEverySeriesAgainstItsOwnAxis) {
    build();
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

TEST(FormWidgets, LayoutMistakesAreCaughtByName) {
    Form form("frmToy");
    form.add(ControlKind::TextBox, "txtA");
    form.add(ControlKind::Frame, "fraA");
    QWidget window;
    FormWidgets widgets(form, window);
    EXPECT_THROW(widgets.take("txtMissing"), std::logic_error);
    EXPECT_THROW(widgets.take<QComboBox>("txtA"), std::logic_error);
    EXPECT_EQ(widgets.untaken(), (std::vector<std::string>{"fraA"}));
    EXPECT_THROW(widgets.take("txtA"), std::logic_error); // taken once already
}

} // namespace
} // namespace rac::gui
