#include "mainscreen/frm_main.h"
#include "mainscreen/main_layout.h"
#include "platform/numbers.h"

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
    const double extractOn = numbers::leadingNumber(at("txtDBExtractOn").text());
    const double supplyOn = numbers::leadingNumber(at("txtDBSupplyOn").text());
    const bool supplyColder = extractOn >= supplyOn;
    at("shpSupplyDuct").setBackColour(supplyColder ? kColderDuct : kWarmerDuct);
    at("shpExtractDuct").setBackColour(supplyColder ? kWarmerDuct : kColderDuct);
}

// Segment 0 is the white start of each pipe; the blue segments 1 to 5 are lit in turn.
void FrmMain::resetSchematic() {
    schematicStep_ = 0;
    for (const char* pipe : kPipes) {
        for (int segment = 0; segment <= kLastSegment; ++segment) {
            platform::Control& line = at(pipe, segment);
            line.setForeColour(segment == 0 ? platform::white : kBlue);
            line.setVisible(segment == 0);
        }
    }
    platform::Control& timer = at("Timer1");
    timer.setInterval(500);
    timer.setEnabled(true);
}

void FrmMain::animateSchematic() {
    schematicStep_ = schematicStep_ % kLastSegment + 1;
    for (const char* pipe : kPipes) {
        at(pipe, kLastSegment).setVisible(false);
        at(pipe, schematicStep_).setVisible(true);
        at(pipe, schematicStep_ - 1).setVisible(false);
    }
}

} // namespace rac::mainscreen
