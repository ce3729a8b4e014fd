// Every kind's fields, their order and values, colours as "#RRGGBB" and the shown, modal and
// hidden states are in the dumps of the transcripts (tests/cli/data), compared as text; what
// no transcript dumps is checked here.
#include "platform/screen_dump.h"

#include <gtest/gtest.h>

namespace rac::platform {
namespace {

TEST(ScreenDump, AnUnloadedFormAndLookUpsOfWhatIsNotThere) {
    Form form{"frmMain"};
    form.add(ControlKind::TextBox, "txtDuty").setText("12.5");
    const FormDump dump = dumpForm(form);
    EXPECT_EQ(dump.name, "frmMain");
    EXPECT_EQ(dump.state, "not loaded");
    EXPECT_EQ(dump.control("nothing"), nullptr);
    ASSERT_NE(dump.control("txtDuty"), nullptr);
    EXPECT_EQ(*dump.control("txtDuty")->field("text"), DumpValue(std::string("12.5")));
    EXPECT_EQ(dump.control("txtDuty")->field("items"), nullptr);
}

} // namespace
} // namespace rac::platform
