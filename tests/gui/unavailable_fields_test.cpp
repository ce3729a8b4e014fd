// The wet-bulb and humidity boxes the program cannot use yet.
#include "desktop_fixture.h"

namespace rac::gui::testing_support {
namespace {

using UnavailableFields = DesktopStart;

TEST_F(UnavailableFields, LookDisabledUnlikeTheEntries) {
    openMain();
    const QPalette entry = widget<QLineEdit>("txtDBSupplyOn").palette();
    for (const char* name :
         {"txtWBSupplyOn", "txtRHSupplyOn", "txtWBSupplyOff", "txtRHSupplyOff", "txtWBExtractOn",
          "txtRHExtractOn", "txtWBExtractOff", "txtRHExtractOff"}) {
        auto& box = widget<QLineEdit>(name);
        EXPECT_EQ(box.text(), "N/A") << name;
        EXPECT_FALSE(box.isEnabled()) << name;
        // A disabled box paints with the disabled colours: they must not be the entry's.
        EXPECT_NE(box.palette().color(QPalette::Disabled, QPalette::Base),
                  entry.color(QPalette::Active, QPalette::Base))
            << name;
        EXPECT_NE(box.palette().color(QPalette::Disabled, QPalette::Text),
                  entry.color(QPalette::Active, QPalette::Text))
            << name;
    }
}

TEST_F(UnavailableFields, KeysTypedAfterClickingOneReachNoField) {
    openMain();
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

} // namespace
} // namespace rac::gui::testing_support
