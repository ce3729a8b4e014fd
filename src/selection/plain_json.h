#pragma once

#include "selection/json_input.h"

#include <optional>
#include <string_view>

namespace rac::selection {

// Nearly every request is an object of plain texts and of objects of plain texts (its
// "fields"), with at most one object more inside (its "costing", holding its own "fields"),
// plain meaning printable ASCII without quotes or backslashes. Such a text is read
// here, without the general parser that would otherwise take most of a batch's reading time;
// any other text, well-formed or not, gives nothing, and is left to the general parser, which
// reports every fault. What is read is the value the general parser makes of the text: blanks
// between tokens skipped, and of a key given twice the later value kept.
std::optional<Json> parsePlainObject(std::string_view text);

} // namespace rac::selection
