#include "costing/costing_checks.h"

#include "costing/frm_costing.h"
#include "foundation/numbers.h"
#include "mainscreen/side_names.h"

namespace rac::costing {

namespace checks {

std::optional<Refusal> refusalOf(const EntryCheck& check, std::string_view text) {
    const auto value = numbers::parseNumber(text);
    if (!value) {
        return Refusal{check.numericTitle, check.numericText};
    }
    if (!check.range.contains(*value)) {
        return Refusal{check.rangeTitle, check.rangeText};
    }
    return std::nullopt;
}

} // namespace checks

namespace {

// Shows why the entry is refused, puts the focus back into it and stops the costing.
bool passes(const checks::EntryCheck& check, platform::Form& form, coil::CalcStatus& status) {
    platform::Control& field = form.at(check.control);
    const auto refusal = checks::refusalOf(check, field.text());
    if (!refusal) {
        return true;
    }
    status.abortWith(information(std::string(refusal->title), std::string(refusal->text)));
    form.setFocus(field);
    return false;
}

} // namespace

void FrmCosting::ValidateCostingInputs() {
    // The gross margin is the user's only once the Additional Information shows it.
    if (ui_.grossMargin.visible() && !passes(checks::kGrossMargin, *this, calc_)) {
        return;
    }
    for (const Side which : mainscreen::kBothSides) {
        if (side(which).casingDepthSelect.text() == "Non-Standard" &&
            !passes(checks::kCasingDepths[static_cast<std::size_t>(which)], *this, calc_)) {
            return;
        }
    }
}

void FrmCosting::ValidatePaybackInputs() {
    for (const checks::EntryCheck& check : checks::kPaybackInputs) {
        platform::Control& field = at(check.control);
        if (const auto refusal = checks::refusalOf(check, field.text())) {
            tell(refusal->title, refusal->text);
            // Emptying the box is an edit of an input: the prices just worked out go too, even
            // when the box was empty already.
            field.setText("");
            ClearCostingOutputs();
            setFocus(field);
            calc_.CalcAbort = true;
            return;
        }
    }
    if (ui_.binPayback.value() == 1) {
        showBinPayback();
    } else {
        showDesignPayback();
    }
}

} // namespace rac::costing
