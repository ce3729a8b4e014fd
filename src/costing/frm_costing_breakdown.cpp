#include "costing/frm_costing_breakdown.h"

#include "costing/breakdown_lines.h"
#include "mainscreen/field_style.h"
#include "mainscreen/side_names.h"
#include "platform/form_building.h"

#include <string>

namespace rac::costing {

using mainscreen::sided;
using platform::ControlKind;

namespace {

void addBox(platform::Form& form, std::string_view name, std::string_view frame) {
    mainscreen::setResultStyle(form.add(ControlKind::TextBox, name, frame));
}

// Frames, the column headings, a caption and a box per coil for every line, the
// carriage once for the pair, and the commands.
void buildLayout(platform::Form& form) {
    form.setTitle("ZYL RAC Costing Breakdown");
    for (const BreakdownFrame& frame : kBreakdownFrames) {
        platform::addCaptioned(form, ControlKind::Frame, frame.name, std::string(frame.caption));
    }
    for (const coil::CoilSide side : mainscreen::kBothSides) {
        platform::addCaptioned(form, ControlKind::Label, sided("lblMat", side), "Mat (£)",
                               "fraBlockcost");
        platform::addCaptioned(form, ControlKind::Label, sided("lblLab", side), "Lab (£)",
                               "fraBlockcost");
    }
    for (const BreakdownLine& line : kBreakdownLines) {
        platform::addCaptioned(form, ControlKind::Label, "lbl" + std::string(line.value.name),
                               std::string(line.caption), line.frame);
        for (const coil::CoilSide side : mainscreen::kBothSides) {
            addBox(form, breakdownBox(line.value, side), line.frame);
            if (line.labour) {
                addBox(form, breakdownBox(*line.labour, side), line.frame);
            }
        }
    }
    platform::addCaptioned(form, ControlKind::Label, "lblCarriageCost", "Carriage Cost (£)",
                           "fraCostingBreakdown");
    addBox(form, "txtCarriageCost", "fraCostingBreakdown");
    platform::addCaptioned(form, ControlKind::CommandButton, "cmdOK", "OK");
    platform::addCaptioned(form, ControlKind::CommandButton, "cmdPrint", "Print");
}

} // namespace

FrmCostingBreakdown::FrmCostingBreakdown(platform::Services services)
    : Form("frmCostingBreakdown"), services_(services) {
    buildLayout(*this);
    on("cmdOK", platform::Event::Click, [this](platform::Control&) { hide(); });
    on("cmdPrint", platform::Event::Click, [this](platform::Control&) { PrintWindow(); });
}

void FrmCostingBreakdown::ShowCoil(coil::CoilSide side, const costmodel::CoilCosting& costing) {
    load();
    for (const BreakdownLine& line : kBreakdownLines) {
        for (const auto& value : {std::optional(line.value), line.labour}) {
            if (value) {
                at(breakdownBox(*value, side))
                    .setText(
                        numbers::format(numbers::widen(costing.*(value->field)), value->pattern));
            }
        }
    }
}

void FrmCostingBreakdown::ShowCarriageCost(float carriageCost) {
    load();
    at("txtCarriageCost")
        .setText(numbers::format(numbers::widen(carriageCost), numbers::Pattern::TwoDecimals));
}

void FrmCostingBreakdown::ClearValues() {
    // A window not loaded holds nothing, and comes back empty when it loads.
    if (!loaded()) {
        return;
    }
    for (platform::Control* control : controls()) {
        if (control->kind() == ControlKind::TextBox) {
            control->setText("");
        }
    }
}

void FrmCostingBreakdown::PrintWindow() {
    services_.printer.printWindow(*this);
}

} // namespace rac::costing
