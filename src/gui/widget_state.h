#pragma once

#include "platform/control.h"

class QObject;

namespace rac::gui {

// Sets a Qt object to one piece of a control's state: a line edit's text, a combo box's items,
// an action's checked state, a field's colours... Properties the object has no use for are
// ignored. The caller blocks the object's signals.
void applyProperty(QObject& object, const platform::Control& control, platform::Property property);

// Every piece of state the control can have, as when a window is first bound.
void applyAllProperties(QObject& object, const platform::Control& control);

// A combo box without a typed text cannot be made read-only by Qt itself; the binding refuses
// the person's picks while this says so.
bool lockedList(const QObject& object);

} // namespace rac::gui
