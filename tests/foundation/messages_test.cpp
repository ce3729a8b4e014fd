#include "foundation/messages.h"

#include <gtest/gtest.h>

namespace rac {
namespace {

// The warning with a Help button, no icon and its help file is checked where the coil circuiting
// raises it; the plain OK box's missing icon is shown nowhere else.
TEST(MessageVariants, OkOnlyHasNoIcon) {
    EXPECT_EQ(okOnly("ZYL RAC", "The form can't be printed.").icon, MessageIcon::None);
}

} // namespace
} // namespace rac
