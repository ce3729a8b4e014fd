#pragma once

#include "platform/printing.h"

#include <QString>

class QPagedPaintDevice;

namespace rac::gui {

// Paints a text in the document's font on the device's pages: the document's header at the top
// of each page over a rule, "Page N of M" at its foot, tabs every half inch, long lines wrapped.
// Empty lines at the end take no page. False when the device could not be painted on.
bool paintPages(QPagedPaintDevice& device, const platform::PrintDocument& document,
                const QString& text);

} // namespace rac::gui
