// Lists picked with the mouse from their popup, as a person does: the pick reaches the screen's
// rules and the calculation.
#include "desktop_fixture.h"

#include <QPushButton>

namespace rac::gui::testing_support {
namespace {

using MousePicks = DesktopStart;

TEST_F(MousePicks, TubeDiameterRunsTheTubeRuleAndTheCalculation) {
    openMain();
    auto& tube = widget<QComboBox>("cmbTubeDiameterSupply");
    ASSERT_TRUE(pickWithMouse(tube, "16mm"));
    EXPECT_EQ(model("cmbTubeDiameterSupply"), "16mm");
    // 26 tubes of 16mm: 26 x 40.48 + 4, and the fin types of 16mm tubes.
    EXPECT_EQ(text("txtFinnedHeightSupply"), "1056");
    EXPECT_EQ(text("cmbFinMatTypeSupply"), "Aluminium 0.15 rippled");
    EXPECT_EQ(widget<QComboBox>("cmbFinMatTypeSupply").count(), 5);

    QTest::mouseClick(&widget<QPushButton>("cmdCalculate"), Qt::LeftButton);
    EXPECT_TRUE(text("txtCoilCodeSupply").starts_with("16W")) << text("txtCoilCodeSupply");
    EXPECT_TRUE(text("txtCoilCodeExtract").starts_with("12W")) << text("txtCoilCodeExtract");
}

TEST_F(MousePicks, FinDensityModeFinTypeAndFinDensityReachTheirRules) {
    openMain();
    ASSERT_TRUE(pickWithMouse(widget<QComboBox>("cmbFinDensitySelectExtract"), "Fixed"));
    auto& density = widget<QComboBox>("cmbFinDensityExtract");
    EXPECT_EQ(model("cmbFinDensitySelectExtract"), "Fixed");
    EXPECT_EQ(density.count(), 11); // 4 to 14
    EXPECT_EQ(text("cmbFinDensityExtract"), "8");

    ASSERT_TRUE(pickWithMouse(widget<QComboBox>("cmbFinMatTypeExtract"),
                              "Aluminium vinyl coated 0.15 louvre"));
    EXPECT_EQ(model("cmbFinMatTypeExtract"), "Aluminium vinyl coated 0.15 louvre");
    EXPECT_EQ(density.count(), 7); // vinyl-coated fins: 8 to 14
    EXPECT_EQ(text("cmbFinDensityExtract"), "8");

    ASSERT_TRUE(pickWithMouse(density, "12"));
    EXPECT_EQ(model("cmbFinDensityExtract"), "12");
    QTest::mouseClick(&widget<QPushButton>("cmdCalculate"), Qt::LeftButton);
    EXPECT_EQ(text("cmbFinDensityExtract"), "12");
    EXPECT_EQ(text("txtCoilCodeExtract"), "12WH12.8-26Tx1000");
}

TEST_F(MousePicks, CircuitModeAndGlycolReachTheirRules) {
    openMain();
    QTest::mouseClick(&widget<QPushButton>("cmdCalculate"), Qt::LeftButton);
    ASSERT_EQ(text("txtEffectiveness"), "50");
    ASSERT_TRUE(pickWithMouse(widget<QComboBox>("cmbGlycolSelect"), "PGS"));
    EXPECT_EQ(model("cmbGlycolSelect"), "PGS");
    EXPECT_EQ(text("txtEffectiveness"), ""); // a new fluid withdraws the results

    ASSERT_TRUE(pickWithMouse(widget<QComboBox>("cmbCircuitTypeSelectSupply"), "Number"));
    EXPECT_EQ(model("cmbCircuitTypeSelectSupply"), "Number");
    auto& circuits = widget<QComboBox>("cmbCircuitTypeSupply");
    EXPECT_EQ(text("cmbCircuitTypeSupply"), "1");
    EXPECT_FALSE(circuits.lineEdit()->isReadOnly());
}

} // namespace
} // namespace rac::gui::testing_support
