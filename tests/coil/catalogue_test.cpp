#include "coil/catalogue.h"

#include <gtest/gtest.h>

namespace rac::coil {
namespace {

// The lists of fin types offered and their defaults are the main screen's (CoilOptions tests and
// the transcripts' dumps).
TEST(Catalogue, FinTypesRecognisedByWholeExactText) {
    EXPECT_NE(findFinType("Copper 0.15 louvre"), nullptr);
    EXPECT_EQ(findFinType("copper 0.15 louvre"), nullptr);
    EXPECT_EQ(findFinType("Copper 0.15 louvre "), nullptr);
    EXPECT_TRUE(isThinAluminium("Aluminium 0.15 louvre"));
    EXPECT_FALSE(isThinAluminium("Aluminium vinyl coated 0.15 louvre"));
    EXPECT_FALSE(isThinAluminium("Copper 0.15 rippled"));
}

TEST(Catalogue, AnyTubeTextOtherThan12mmIsTakenAs16mm) {
    EXPECT_EQ(tubeSize("12mm").code, "12");
    EXPECT_EQ(tubeSize("16mm").code, "16");
    EXPECT_EQ(tubeSize("").code, "16");
}

struct HeightCase {
    const char *name, *tube;
    double tubesHigh;
    long finnedHeight;
};

// 1000 mm typed on the main screen gives 26 tubes of 12mm, 994 mm high.
TEST(GeometryRules, FinnedHeightFromTubesUsesExactDecimals) {
    const HeightCase cases[] = {
        {"25 tubes of 16mm (binary gives 1015)", "16mm", 25, 1016},
        {"4 tubes of 12mm", "12mm", 4, 156},
        {"99 tubes of 16mm", "16mm", 99, 4011},
        {"half tube", "12mm", 25.5, 975},
    };
    for (const HeightCase& c : cases) {
        EXPECT_EQ(finnedHeightFromTubes(c.tubesHigh, c.tube), c.finnedHeight) << c.name;
    }
}

TEST(GeometryRules, TubesFromTypedFinnedHeight) {
    EXPECT_EQ(tubesFromFinnedHeight(1000, "16mm"), 25);
    // An exact half rounds up: 19.05 mm is half a 12mm tube.
    EXPECT_EQ(tubesFromFinnedHeight(19.05, "12mm"), 1);
    EXPECT_EQ(tubesFromFinnedHeight(19.04, "12mm"), 0);
    EXPECT_EQ(tubesFromFinnedHeight(20.24, "16mm"), 1);
}

TEST(GeometryRules, SectionsFromTubesHigh) {
    const std::pair<double, int> cases[] = {{4, 1},   {32, 1},  {33, 2},  {64, 2},
                                            {65, 3},  {96, 3},  {97, 4},  {128, 4},
                                            {129, 5}, {159, 5}, {160, 6}, {400, 6}};
    for (const auto& [tubes, sections] : cases) {
        EXPECT_EQ(sectionsFromTubes(tubes), sections) << tubes;
    }
}

} // namespace
} // namespace rac::coil
