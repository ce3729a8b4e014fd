#pragma once

#include "payback/bin_grid.h"

#include <span>

class QGridLayout;

namespace rac::gui {

class FormWidgets;

// A bin grid as the screen shows it: the columns' headings along the top, then a row per bin, its
// label first and its cells in the columns' order. The cells are number boxes; row 0 holds the
// headings and row n bin n, column 0 the row labels and column c + 1 column c.
QGridLayout* binGridLayout(FormWidgets& widgets, std::span<const payback::GridColumn> columns);

} // namespace rac::gui
