#pragma once

#include <QString>
#include <string>
#include <vector>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
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

} // namespace rac::gui
