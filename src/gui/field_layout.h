#pragma once

#include <QString>
#include <string>
#include <vector>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QScrollArea;
class QWidget;

// Small layout helpers the windows share: grids in frames, label-and-field rows, field widths
// in characters.
namespace rac::gui {

QGridLayout* gridIn(QGroupBox& frame);

// A label and its field on a row of a grid; the field spans span columns.
void addRow(QGridLayout& grid, int row, QWidget& label, QWidget& field, int span = 1);

// A box for numbers: right-aligned, wide enough for the given count of digits.
void fitNumberBox(QLineEdit& box, int digits);

// A list never narrower than the longest of the items it may be given.
void fitLongestItem(QComboBox& list, const std::vector<std::string>& items);

// Keeps the place of a widget the screen hides in some modes, so the layout does not jump.
void keepPlaceWhenHidden(QWidget& widget);

// The page in a scroll area without a frame, for a window that must stay usable on a screen too
// small for it. When the window first shows, it takes the size the whole page asks, within the
// screen it is on.
QScrollArea* scrolling(QWidget& page, QWidget& window);

// Tab moves through the window's widgets of these names in this order; names without a widget
// are passed over.
void chainTabOrder(QWidget& window, const std::vector<std::string>& names);

} // namespace rac::gui
