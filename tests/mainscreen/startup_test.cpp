// The start-up screen's lists, texts, styles, menus, tool tips and status bar are in the dumps of
// the transcripts (tests/cli/data); what a dump does not carry is checked here.
#include "main_screen_fixture.h"

namespace rac::mainscreen::testing_support {
namespace {

using StartUp = MainScreen;

// The window's title is checked on the desktop.
TEST_F(StartUp, FrameToolTipAndMenuContainers) {
    EXPECT_TRUE(services.messages.shown().empty());
    EXPECT_EQ(control("Frame3").toolTip(), "Not available on current version of software");
    EXPECT_EQ(control("mnuSelection").container()->name(), "mnuSelectionRating");
}

} // namespace
} // namespace rac::mainscreen::testing_support
