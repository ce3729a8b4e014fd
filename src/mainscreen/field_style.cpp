#include "mainscreen/field_style.h"

namespace rac::mainscreen {

using platform::black;
using platform::white;

void setEntryStyle(platform::Control& control) {
    control.setBackColour(white);
    control.setForeColour(black);
    control.setLocked(false);
}

void setResultStyle(platform::Control& control) {
    setResultColours(control);
    control.setLocked(true);
}

void setResultColours(platform::Control& control) {
    control.setBackColour(black);
    control.setForeColour(white);
}

bool hasEntryStyle(const platform::Control& control) {
    return control.backColour() == white;
}

} // namespace rac::mainscreen
