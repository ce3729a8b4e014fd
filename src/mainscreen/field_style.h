#pragma once

#include "platform/control.h"

// The two looks of a main-screen field. Some rules tell an entry from a result by its background,
// so the colours are the source of truth, not a separate flag.
namespace rac::mainscreen {

// White background, black text, editable.
void setEntryStyle(platform::Control& control);
// Black background, white text, read-only.
void setResultStyle(platform::Control& control);
// The result colours alone, leaving the control editable or not as it is.
void setResultColours(platform::Control& control);
// The control has the entry background (white).
bool hasEntryStyle(const platform::Control& control);

} // namespace rac::mainscreen
