#include "foundation/messages.h"

#include <gtest/gtest.h>

namespace rac {
namespace {

TEST(MessageVariants, NoIconAndAHelpButtonCarryingItsHelpFile) {
    EXPECT_EQ(okOnly("ZYL RAC", "The form can't be printed.").icon, MessageIcon::None);
    const Message warning =
        withHelpButton("Non-Standard Coil Configuration - Supply Coil", "text", "zylrac.hlp", 1);
    EXPECT_EQ(warning.icon, MessageIcon::None);
    EXPECT_EQ(warning.buttons,
              (std::vector<MessageButton>{MessageButton::OK, MessageButton::Help}));
    EXPECT_EQ(warning.helpFile, "zylrac.hlp");
    EXPECT_EQ(warning.helpContext, 1);
}

} // namespace
} // namespace rac
