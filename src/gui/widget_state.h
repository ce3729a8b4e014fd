#pragma once

#include "platform/control.h"

#include <QChar>

class QObject;

namespace rac::gui {

// Sets a Qt object to one piece of a control's state: a line edit's text, a combo box's items,
// an action's checked state, a field's colours... Properties the object has no use for are
// ignored. The caller blocks the object's signals.
void applyProperty(QObject& object, const platform::Control& control, platform::Property property);

// Every piece of state the control can have, as when a window is first bound.
void applyAllProperties(QObject& object, const platform::Control& control);

// The window's choice of a mnemonic letter for a control whose caption marks none, such as a
// command button: the widget shows the caption with the letter marked, the form keeps its own.
// Takes effect from the next caption the binding applies.
void setMnemonic(QObject& object, QChar letter);

// A combo box without a typed text cannot be made read-only by Qt itself; the binding refuses
// the person's picks while this says so.
bool lockedList(const QObject& object);

} // namespace rac::gui
