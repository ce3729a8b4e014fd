#pragma once

#include "platform/form.h"

#include <string_view>

// What a user does on a screen, as distinct from what the program does to its controls. Each
// action returns false, and leaves the screen as it was, when the screen would not let the user
// do it: the form is not shown or another form is shown modal, the control (or a frame or menu
// holding it) is disabled or hidden, or a text or list is locked. An unknown control, or an action
// the control's kind does not have (typing into a label, picking in a text box), throws
// PlatformError.
//
// Clicking, typing into or picking from a control that takes the focus gives it the focus first,
// as the mouse or the keyboard does, so the previous owner's LostFocus runs before the action.
// When that handler keeps the focus (a field that failed its check), the action does not land
// and returns false.
namespace rac::platform::user {

// Presses a command button, menu entry or toolbar button, toggles a check box, selects an option
// button; on a label, frame, image and the like raises Click.
bool click(Form& form, std::string_view control);
bool clickForm(Form& form);
// The toolbar button at a position (from 1) of the form's toolbar.
bool pressToolbarButton(Form& form, int position);

// Replaces the whole text of a text box or editable list as one edit: one Change at most.
bool set(Form& form, std::string_view control, std::string_view text);
// Types the characters one by one at the end of the text: KeyPress, then the character as the
// handler left it, then Change. Code 7 and other control characters insert nothing ("\r" is
// the Enter key); backspace (8) removes the last character. Typing stops, returning false, when
// the control loses the focus or becomes unreachable on the way. The text must be UTF-8.
bool type(Form& form, std::string_view control, std::string_view text);

// Chooses a list item by its text or position; Click even when it is the item already shown.
bool pick(Form& form, std::string_view control, std::string_view item);
bool pickIndex(Form& form, std::string_view control, int index);

// Gives the keyboard focus to a control, or takes it away (only from the control that has it).
bool focus(Form& form, std::string_view control);
bool leave(Form& form, std::string_view control);

// Fires a timer up to count times, while the form is loaded and the timer enabled with a
// non-zero interval (its handler may stop it). Returns how many ticks were delivered.
int tick(Form& form, std::string_view timer, int count = 1);

// The user closes the window with its close box.
bool close(Form& form);

// Selects characters of a rich-text box with the mouse or the keyboard (a read-only box too);
// a selection beyond the text throws PlatformError.
bool select(Form& form, std::string_view control, TextSelection selection);

} // namespace rac::platform::user
