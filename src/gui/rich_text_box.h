#pragma once

#include "platform/control.h"

class QTextEdit;

// A rich-text box of the model shown by a QTextEdit: the text, the selection in characters of the
// text (code points, where Qt counts UTF-16 units), and one font for the whole text.
namespace rac::gui {

void applyRichText(QTextEdit& edit, const platform::Control& control, platform::Property property);

// What the person has selected, in the model's characters.
platform::TextSelection selectionOf(const QTextEdit& edit);

} // namespace rac::gui
