#pragma once

#include <optional>

namespace rac::paybackmodel {

// Months for a yearly cash saving to pay back a price: price / saving x 12. None when there is
// no saving, where the quotient would be a division by zero, and none when the quotient is too
// large to be stored, so that no infinity ever reaches a screen.
std::optional<float> CalcPaybackMonths(double price, float yearlySaving);

} // namespace rac::paybackmodel
