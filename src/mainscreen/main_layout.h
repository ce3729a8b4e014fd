#pragma once

#include "mainscreen/main_controls.h"
#include "platform/form.h"

// The controls of frmMain as the screen design has them before the form loads: names, kinds,
// the frame or menu each sits in, captions, tool tips and the design-time texts. The desktop lays
// the controls out by their frames; the rules that bring the screen to life are FrmMain's.
namespace rac::mainscreen::layout {

// Toolbar1 buttons by position; the positions in between are separators.
enum ToolbarButton : int {
    kToolSelection = 1,
    kToolRating = 2,
    kToolDry = 4,
    kToolWet = 5,
    kToolAirOffDB = 7,
    kToolEffectiveness = 8,
    kToolDuty = 9,
    kToolCalculate = 11,
    kToolCosting = 12,
    kToolPrintSummary = 14,
    kToolExit = 16,
    kToolHelp = 17,
};
inline constexpr int kToolbarButtons = 17;
bool isToolbarSeparator(int position);

// StatusBar1 panels, from 1: a caption, the calculation mode, the operation (always dry) and the
// target of a selection.
inline constexpr int kStatusPanels = 4;
inline constexpr int kModePanel = 2;
inline constexpr int kTargetPanel = 4;

// Pictures of the status panels (ImageList1): the desktop chooses the icons.
enum Picture : int {
    kPictureSelection = 1,
    kPictureRating = 2,
    kPictureDry = 3,
    kPictureWet = 4,
    kPictureAirOffDB = 5,
    kPictureEffectiveness = 6,
    kPictureDuty = 7,
};

// WhiteLineUp(0..5) and WhiteLineDown(0..5) in the schematic: 0 is the white start segment,
// 1 to 5 the blue segments the animation lights in turn.
inline constexpr int kSchematicSegments = 6;

// Adds every control to the form; returns those the rules work with.
MainControls buildMainLayout(platform::Form& form);

} // namespace rac::mainscreen::layout
