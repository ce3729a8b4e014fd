// The real windows of the program: start-up, the defaults the main window shows, and a few
// commands run through the widgets.
#include "desktop_fixture.h"
#include "gui/form_binding.h"
#include "gui/main_window.h"
#include "gui/painted_item.h"
#include "platform/user_actions.h"

#include <QAction>
#include <QPushButton>
#include <QtTest/qtestspontaneevent.h>

namespace rac::gui::testing_support {
namespace {

TEST_F(DesktopStart, SplashTimerOpensTheMainWindowByItself) {
    desktop.startWithSplash();
    EXPECT_TRUE(QTest::qWaitFor([this] { return desktop.window("frmMain") != nullptr; }, 10000));
    EXPECT_TRUE(main().isVisible());
}

TEST_F(DesktopStart, SplashClickOpensTheMainWindowBoundWithTheDefaults) {
    openMain(); // a click on the splash opens the main window at once
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(main().windowTitle(), "ZYL RAC Version 1.1");
    EXPECT_FALSE(desktop.window("frmSplash")->isVisible());
    EXPECT_TRUE(static_cast<MainWindow&>(main()).unplaced().empty());
    EXPECT_TRUE(desktop.binding("frmMain")->unbound().empty());
    for (const char* side : {"Supply", "Extract"}) {
        const QByteArray s(side);
        EXPECT_EQ(text("cmbFinMatType" + s), "Aluminium 0.15 louvre") << side;
        EXPECT_EQ(text("cmbTubeDiameter" + s), "12mm");
        EXPECT_EQ(text("txtFinnedLength" + s), "1000");
        EXPECT_EQ(text("txtFinnedHeight" + s), "994");
        EXPECT_EQ(text("txtTubesHigh" + s), "26");
        EXPECT_EQ(text("cmbFinDensitySelect" + s), "Optimise");
        EXPECT_EQ(text("cmbCircuitTypeSelect" + s), "Optimise");
    }
    EXPECT_EQ(text("txtTotalMaxPD"), "100");
    EXPECT_EQ(text("cmbGlycolSelect"), "EGS");
    EXPECT_EQ(text("txtWBSupplyOn"), "N/A");
    EXPECT_FALSE(main().findChild<QPushButton*>("cmdCosting")->isEnabled());
    auto* total = main().findChild<QLineEdit*>("txtTotalMaxPD");
    EXPECT_EQ(total->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_TRUE(total->isReadOnly());

    auto* tubes = main().findChild<QLineEdit*>("txtTubesHighSupply");
    tubes->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(tubes, Qt::Key_Return); // neither typed nor a press of Calculate
    EXPECT_EQ(tubes->text(), "26");
    EXPECT_EQ(text("txtEffectiveness"), "");
}

TEST_F(DesktopStart, CalculateThroughTheButtonShowsTheResults) {
    openMain();
    QTest::mouseClick(main().findChild<QPushButton*>("cmdCalculate"), Qt::LeftButton);
    EXPECT_EQ(text("txtDBExtractOff"), "10.0");
    EXPECT_EQ(text("txtEffectiveness"), "50");
    EXPECT_FALSE(text("txtCoilCodeSupply").empty());
    EXPECT_TRUE(main().findChild<QPushButton*>("cmdCosting")->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr); // the wait pointer is gone again

    // Any input change withdraws the results.
    auto* glycol = main().findChild<QLineEdit*>("txtGlycol");
    glycol->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(glycol, Qt::Key_0);
    EXPECT_EQ(text("txtEffectiveness"), "");
    EXPECT_FALSE(main().findChild<QPushButton*>("cmdCosting")->isEnabled());
}

TEST_F(DesktopStart, RatingFromTheToolbarTurnsRowsIntoEntries) {
    openMain();
    main().findChild<QAction*>("Toolbar1(2)")->trigger();
    EXPECT_EQ(text("txtNumberRowsSupply"), "8");
    EXPECT_EQ(text("cmbFinDensitySelectExtract"), "Fixed");
    EXPECT_EQ(text("cmbCircuitTypeSupply"), "H");
    EXPECT_FALSE(main().findChild<QLineEdit*>("txtFluidMaxPDSupply")->isVisible());
    EXPECT_FALSE(main().findChild<QAction*>("Toolbar1(8)")->isEnabled());
    EXPECT_TRUE(main().findChild<QAction*>("mnuRating")->isChecked());
}

TEST_F(DesktopStart, SchematicLightsOneSegmentOfEachPipeAtATime) {
    openMain();
    for (int tick = 0; tick < 7; ++tick) {
        platform::user::tick(*desktop.application().form("frmMain"), "Timer1");
        for (const char* pipe : {"WhiteLineUp", "WhiteLineDown"}) {
            int lit = 0;
            for (int segment = 1; segment < 6; ++segment) {
                const QString name = QStringLiteral("%1(%2)").arg(pipe).arg(segment);
                lit += main().findChild<PaintedItem*>(name)->visible() ? 1 : 0;
            }
            EXPECT_EQ(lit, 1) << pipe << " after tick " << tick;
        }
    }
    // The colder supply air's duct is red, the warmer extract air's blue.
    EXPECT_EQ(main().findChild<PaintedItem*>("shpSupplyDuct")->back(), platform::fromBgr(0x8080FF));
}

TEST_F(DesktopStart, CloseFromCodeIsRefusedTheCloseBoxExits) {
    openMain();
    EXPECT_FALSE(main().close());
    EXPECT_TRUE(main().isVisible());
    QCloseEvent byPerson; // what the close box sends
    QSpontaneKeyEvent::setSpontaneous(&byPerson);
    QApplication::instance()->notify(&main(), &byPerson); // sendEvent would clear it
    EXPECT_TRUE(desktop.application().exited());
    EXPECT_FALSE(main().isVisible());
}

TEST_F(DesktopStart, LogOutEndsTheProgram) {
    openMain();
    ASSERT_NE(desktop.binding("frmMain"), nullptr);
    EXPECT_TRUE(desktop.binding("frmMain")->closeForWindowSystem());
    EXPECT_TRUE(desktop.application().exited());
}

TEST_F(DesktopStart, AboutBoxOpensFromTheHelpMenu) {
    openMain();
    main().findChild<QAction*>("mnuAbout")->trigger();
    QWidget* about = desktop.window("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), "About ZYL RAC");
    QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
}

} // namespace
} // namespace rac::gui::testing_support
