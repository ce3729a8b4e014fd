#pragma once

#include "platform/control.h"

#include <QFont>

class QTextEdit;

// A rich-text box of the model shown by a QTextEdit: the text, the selection in characters of the
// text (code points, where Qt counts UTF-16 units), and one font for the whole text.
namespace rac::gui {

void applyRichText(QTextEdit& edit, const platform::Control& control, platform::Property property);

// What the person has selected, in the model's characters.
platform::TextSelection selectionOf(const QTextEdit& edit);

// The model's font on top of a base font: an empty name or a zero size keeps the base's.
QFont qtFont(const platform::TextFont& font, QFont base);

// Tab stops every half inch, as word processors set them, on a device of that resolution: the
// columns of a document look alike on the screen, on paper and in a PDF.
inline double tabStopDistance(double dotsPerInch) {
    return dotsPerInch / 2;
}

} // namespace rac::gui
