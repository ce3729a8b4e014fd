// The main window from the keyboard and the mouse: where the focus goes, mnemonics, shortcuts,
// the boxes that take no keys, and lists picked from their popup.
#include "desktop_fixture.h"

#include <QAction>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

namespace rac::gui::testing_support {
namespace {

class MainWindowInput : public DesktopStart {
  protected:
    void pressToolbarButton(int position) {
        auto* toolbar = main().findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        ASSERT_NE(toolbar, nullptr);
        auto* action = main().findChild<QAction*>(QStringLiteral("Toolbar1(%1)").arg(position));
        ASSERT_NE(action, nullptr);
        QTest::mouseClick(toolbar->widgetForAction(action), Qt::LeftButton);
    }
};

TEST_F(MainWindowInput, RatingMovesTheFocusFromTheTargetToTheFirstEntry) {
    openMain();
    pressToolbarButton(9); // Duty: its box takes the focus
    ASSERT_TRUE(widget<QLineEdit>("txtDuty").hasFocus());
    pressToolbarButton(2); // Rating: the duty becomes a result
    EXPECT_TRUE(widget<QLineEdit>("txtDBSupplyOn").hasFocus());
    EXPECT_EQ(form().focus(), &form().at("txtDBSupplyOn"));
    press(Qt::Key_End);
    type("5");
    EXPECT_EQ(model("txtDBSupplyOn"), "05");
    EXPECT_EQ(text("txtDuty"), "");
}

// F1 is pressed in the help's own test.
TEST_F(MainWindowInput, MnemonicsAndShortcutsAreShownAndAltCCalculates) {
    openMain();
    const std::pair<const char*, const char*> captions[] = {
        {"cmdCalculate", "&Calculate"}, {"cmdCosting", "C&osting"}, {"cmdPrint", "&Print"}};
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(widget<QPushButton>(name).text(), caption);
    }
    const std::pair<const char*, const char*> shortcuts[] = {
        {"mnuPrint", "Ctrl+P"}, {"mnuExit", "Ctrl+Q"}, {"mnuRACHelp", "F1"}};
    for (const auto& [name, keys] : shortcuts) {
        EXPECT_EQ(widget<QAction>(name).shortcut().toString().toStdString(), keys) << name;
    }
    EXPECT_EQ(form().at("cmdCalculate").caption(), "Calculate"); // the form's own caption
    press(Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return text("txtEffectiveness") == "50"; }));
}

TEST_F(MainWindowInput, CalculateKeysWorkFromInsideAnEntry) {
    openMain();
    auto& glycol = widget<QLineEdit>("txtGlycol");
    const std::pair<const char*, QKeyCombination> keys[] = {
        {"F5", QKeyCombination(Qt::Key_F5)},
        {"Ctrl+Return", QKeyCombination(Qt::ControlModifier, Qt::Key_Return)},
        {"Ctrl+Enter on the keypad",
         QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Enter)},
    };
    for (const auto& [name, key] : keys) {
        SCOPED_TRACE(name);
        QTest::mouseClick(&glycol, Qt::LeftButton);
        // Retyping the glycol is an input change: it withdraws the results.
        for (const Qt::Key typed : {Qt::Key_End, Qt::Key_Backspace, Qt::Key_0}) {
            press(typed);
        }
        ASSERT_EQ(text("txtEffectiveness"), "");
        press(key.key(), key.keyboardModifiers());
        EXPECT_EQ(text("txtEffectiveness"), "50");
        EXPECT_EQ(model("txtGlycol"), "0"); // the key typed nothing
    }
}

TEST_F(MainWindowInput, TabSkipsResultsButStopsAtTheRowsOfASelection) {
    openMain();
    QTest::mouseClick(&widget<QLineEdit>("txtNumberSectionsSupply"), Qt::LeftButton);
    press(Qt::Key_Tab);
    ASSERT_EQ(form().focus(), &form().at("txtNumberRowsSupply"));
    type("6");
    EXPECT_EQ(model("txtNumberRowsSupply"), "6"); // editable, though shown as a result
    press(Qt::Key_Tab);
    // Past the connection size and air pressure drop, results of the selection.
    EXPECT_EQ(form().focus(), &form().at("cmbTubeDiameterExtract"));
}

// The wet-bulb and humidity boxes the program cannot use yet.
TEST_F(MainWindowInput, UnavailableFieldsLookDisabledAndTakeNoKeys) {
    openMain();
    const QPalette entry = widget<QLineEdit>("txtDBSupplyOn").palette();
    for (const char* name :
         {"txtWBSupplyOn", "txtRHSupplyOn", "txtWBSupplyOff", "txtRHSupplyOff", "txtWBExtractOn",
          "txtRHExtractOn", "txtWBExtractOff", "txtRHExtractOff"}) {
        auto& box = widget<QLineEdit>(name);
        EXPECT_FALSE(box.isEnabled()) << name;
        // A disabled box paints with the disabled colours: they must not be the entry's.
        EXPECT_NE(box.palette().color(QPalette::Disabled, QPalette::Base),
                  entry.color(QPalette::Active, QPalette::Base))
            << name;
        EXPECT_NE(box.palette().color(QPalette::Disabled, QPalette::Text),
                  entry.color(QPalette::Active, QPalette::Text))
            << name;
    }

    // Keys typed after a click on one reach no field.
    QTest::mouseClick(&widget<QLineEdit>("txtDBSupplyOn"), Qt::LeftButton);
    ASSERT_EQ(form().focus(), &form().at("txtDBSupplyOn"));
    QTest::mouseClick(&widget<QLineEdit>("txtWBSupplyOn"), Qt::LeftButton);
    type("15");
    EXPECT_EQ(text("txtDBSupplyOn"), "0");
    EXPECT_EQ(model("txtDBSupplyOn"), "0");
    EXPECT_EQ(text("txtWBSupplyOn"), "N/A");
    EXPECT_EQ(form().focus(), nullptr);

    // The field left by the click ran its leaving rule: 1000 mm snaps to 26 tubes of 994 mm.
    auto& height = widget<QLineEdit>("txtFinnedHeightExtract");
    QTest::mouseClick(&height, Qt::LeftButton);
    height.selectAll();
    QTest::keyClicks(&height, "1000");
    QTest::mouseClick(&widget<QLineEdit>("txtRHExtractOff"), Qt::LeftButton);
    EXPECT_EQ(text("txtFinnedHeightExtract"), "994");
}

// Lists picked with the mouse from their popup: the pick reaches the screen's rules and the
// calculation.
TEST_F(MainWindowInput, MousePickedTubeDiameterAndFinsRunTheirRulesAndTheCalculation) {
    openMain();
    auto& tube = widget<QComboBox>("cmbTubeDiameterSupply");
    ASSERT_TRUE(pickWithMouse(tube, "16mm"));
    EXPECT_EQ(model("cmbTubeDiameterSupply"), "16mm");
    // The rule's heights and fin types are the model's own tests; here, that the widgets follow.
    EXPECT_EQ(text("txtFinnedHeightSupply"), "1056");
    EXPECT_EQ(text("cmbFinMatTypeSupply"), "Aluminium 0.15 rippled");

    ASSERT_TRUE(pickWithMouse(widget<QComboBox>("cmbFinDensitySelectExtract"), "Fixed"));
    auto& density = widget<QComboBox>("cmbFinDensityExtract");
    EXPECT_EQ(model("cmbFinDensitySelectExtract"), "Fixed");
    EXPECT_EQ(density.count(), 11); // 4 to 14
    ASSERT_TRUE(pickWithMouse(widget<QComboBox>("cmbFinMatTypeExtract"),
                              "Aluminium vinyl coated 0.15 louvre"));
    EXPECT_EQ(model("cmbFinMatTypeExtract"), "Aluminium vinyl coated 0.15 louvre");
    EXPECT_EQ(density.count(), 7); // vinyl-coated fins: 8 to 14
    ASSERT_TRUE(pickWithMouse(density, "12"));
    EXPECT_EQ(model("cmbFinDensityExtract"), "12");

    QTest::mouseClick(&widget<QPushButton>("cmdCalculate"), Qt::LeftButton);
    EXPECT_TRUE(text("txtCoilCodeSupply").starts_with("16W")) << text("txtCoilCodeSupply");
    EXPECT_EQ(text("cmbFinDensityExtract"), "12");
    EXPECT_EQ(text("txtCoilCodeExtract"), "12WH12.8-26Tx1000");
}

TEST_F(MainWindowInput, MousePickedCircuitModeAndGlycolReachTheirRules) {
    openMain();
    QTest::mouseClick(&widget<QPushButton>("cmdCalculate"), Qt::LeftButton);
    ASSERT_EQ(text("txtEffectiveness"), "50");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr); // the wait pointer is gone again
    ASSERT_TRUE(pickWithMouse(widget<QComboBox>("cmbGlycolSelect"), "PGS"));
    EXPECT_EQ(model("cmbGlycolSelect"), "PGS");
    EXPECT_EQ(text("txtEffectiveness"), ""); // a new fluid withdraws the results

    ASSERT_TRUE(pickWithMouse(widget<QComboBox>("cmbCircuitTypeSelectSupply"), "Number"));
    EXPECT_EQ(model("cmbCircuitTypeSelectSupply"), "Number");
    EXPECT_EQ(text("cmbCircuitTypeSupply"), "1");
    EXPECT_FALSE(widget<QComboBox>("cmbCircuitTypeSupply").lineEdit()->isReadOnly());
}

} // namespace
} // namespace rac::gui::testing_support
