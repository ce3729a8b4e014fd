#include "foundation/numbers.h"
#include "mainscreen/frm_main.h"
#include "mainscreen/side_names.h"
#include "mainscreen/validation.h"

#include <string>

namespace rac::mainscreen {

using platform::Control;

namespace {

// An empty or non-numeric maximum counts nothing towards the total.
double numberOrZero(const Control& field) {
    return numbers::parseNumber(field.text()).value_or(0.0);
}

} // namespace

void FrmMain::rejectEntry(Control& field, std::string_view title, std::string_view text) {
    tell(std::string(title), std::string(text));
    setFocus(field);
    ctx_.CalcAbort = true;
}

// Checked at every keystroke, so that a wrong maximum is caught while it is being typed.
void FrmMain::maxFluidPDChanged(Side side) {
    ClearResults();
    Control& field = block(side).fluidMaxPD;
    if (!field.text().empty()) {
        const validation::NumberCheck& check = validation::numberCheckOf(field.name());
        const auto value = numbers::parseNumber(field.text());
        if (!value) {
            rejectEntry(field, validation::kNonNumericTitle, check.numericText);
            return;
        }
        if (!check.range.contains(*value)) {
            rejectEntry(field, validation::kOutOfRangeTitle, check.rangeText);
            return;
        }
    }
    const double total = numberOrZero(block(Side::Extract).fluidMaxPD) +
                         numberOrZero(block(Side::Supply).fluidMaxPD);
    ui_.totalMaxPD.setText(numbers::shortestText(total));
}

} // namespace rac::mainscreen
