#pragma once

#include "costmodel/coil_costing.h"

#include <array>
#include <cstdint>
#include <string_view>

// What each casing style brings to the costing: its standard depths, its allowances and which
// panels it is built from.
namespace rac::costmodel {

// Which set of labour formulas a style's plates are made with.
enum class PlateLabour { Economy, Enclosed, General };

struct CasingStyleRule {
    std::string_view name;
    std::array<int16_t, 10> standardDepths; // mm, at kStandardDepthRows; 0 where there is none
    double frontFlange;                     // mm
    double backFlange;
    double plateMargin;
    double supportMargin;
    double drainpanMargin; // with a drain pan; 0 without
    double baffleWidth;
    PlateLabour labour;
    int16_t baffles;
    double coverFactor;         // cover panels relative to the plain cover; 0 for no covers
    bool sidePlatesAndDrainpan; // false for a casing of end plates only
};

// The row counts the standard depth table has a column for.
inline constexpr std::array<int16_t, 10> kStandardDepthRows{1, 2, 3, 4, 6, 8, 10, 12, 14, 16};

inline constexpr std::array<int16_t, 10> kEconomyDepths{75, 75};
inline constexpr std::array<int16_t, 10> kGeneralDepths{150, 150, 185, 220, 290,
                                                        360, 430, 500, 570, 640};
inline constexpr std::array<int16_t, 10> kEnclosedDepths{185, 185, 220, 255, 325,
                                                         395, 465, 535, 605, 675};
inline constexpr std::array<int16_t, 10> kCoverboxDepths{190, 190, 230, 265, 335,
                                                         405, 475, 545, 615, 685};

// The eight casing styles in the order the costing screen lists them.
inline constexpr std::array<CasingStyleRule, 8> kCasingStyles{{
    // An Economy casing with a drain pan keeps its plate margin round the drain pan too.
    {"Economy", kEconomyDepths, 25, 25, 25, 20, 25, 0, PlateLabour::Economy, 0, 0, true},
    {"Standard", kGeneralDepths, 45, 45, 57, 20, 57, 0, PlateLabour::General, 0, 0, true},
    {"Unitary:No baffle", kGeneralDepths, 40, 40, 37, 20, 57, 137, PlateLabour::General, 0, 0,
     true},
    {"Unitary:Baffle both faces", kGeneralDepths, 40, 40, 37, 20, 57, 137, PlateLabour::General, 4,
     0, true},
    {"Unitary:Baffle one face", kGeneralDepths, 40, 40, 37, 20, 57, 137, PlateLabour::General, 2, 0,
     true},
    {"Enclosed", kEnclosedDepths, 55, 125, 62, 20, 62, 0, PlateLabour::Enclosed, 0, 1, true},
    {"Coverbox", kCoverboxDepths, 50, 50, 62, 20, 62, 0, PlateLabour::General, 0, 2.5, true},
    {"Endplates", kGeneralDepths, 45, 45, 0, 20, 0, 0, PlateLabour::General, 0, 0, false},
}};

// The rule of the style with exactly this name; a name that is none of them gets no standard
// depth, no allowances and the general plates.
const CasingStyleRule& casingStyle(std::string_view name);

// True when the coil's drain pan is part of its casing (a drain pan chosen, a style that has one).
bool drainpanCounted(const CoilCosting& costing);

// In "Standard" mode, CasingDepth becomes the style's standard depth for the rows, plus 180 mm
// for eliminators; in "Non-Standard" mode it is used as entered.
void SetCasingDepth(CoilCosting& costing);

// The style's flanges, margins and baffle width.
void SetCasingAllowances(CoilCosting& costing);

} // namespace rac::costmodel
