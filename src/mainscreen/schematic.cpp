#include "foundation/numbers.h"
#include "mainscreen/frm_main.h"
#include "mainscreen/main_layout.h"

// The system diagram: duct colours by which air stream is warmer, and the light that runs along
// the loop pipes.
namespace rac::mainscreen {

namespace {

constexpr platform::Colour kBlue{0, 0, 255};
constexpr platform::Colour kColderDuct = platform::fromBgr(0x8080FF); // light red
constexpr platform::Colour kWarmerDuct = platform::fromBgr(0xFFC0C0); // light blue
constexpr int kLastSegment = layout::kSchematicSegments - 1;
constexpr const char* kPipes[] = {"WhiteLineUp", "WhiteLineDown"};

} // namespace

void FrmMain::ShowDuctColours() {
    const double extractOn = numbers::leadingNumber(ui_.dbExtractOn.text());
    const double supplyOn = numbers::leadingNumber(ui_.dbSupplyOn.text());
    const bool supplyColder = extractOn >= supplyOn;
    ui_.supplyDuct.setBackColour(supplyColder ? kColderDuct : kWarmerDuct);
    ui_.extractDuct.setBackColour(supplyColder ? kWarmerDuct : kColderDuct);
}

// Segment 0 is the white start of each pipe; the blue segments 1 to 5 are lit in turn.
void FrmMain::resetSchematic() {
    for (const char* pipe : kPipes) {
        for (int segment = 0; segment <= kLastSegment; ++segment) {
            platform::Control& line = at(pipe, segment);
            line.setForeColour(segment == 0 ? platform::white : kBlue);
            line.setVisible(segment == 0);
        }
    }
    ui_.timer.setInterval(500);
    ui_.timer.setEnabled(true);
}

// The step is read off the screen, which lights one blue segment at a time: the screen is the
// whole state of the animation.
void FrmMain::animateSchematic() {
    int lit = 0;
    for (int segment = 1; segment <= kLastSegment; ++segment) {
        if (at(kPipes[0], segment).visible()) {
            lit = segment;
        }
    }
    const int step = lit % kLastSegment + 1;
    for (const char* pipe : kPipes) {
        at(pipe, kLastSegment).setVisible(false);
        at(pipe, step).setVisible(true);
        at(pipe, step - 1).setVisible(false);
    }
}

} // namespace rac::mainscreen
