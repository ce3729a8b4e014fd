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
// carriage once for the pair, and the commands; gives the carriage box.
platform::Control& buildLayout(platform::Form& form) {
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
    return form.at("txtCarriageCost");
}

} // namespace

FrmCostingBreakdown::FrmCostingBreakdown(platform::Services services)
    : Form("frmCostingBreakdown"), services_(services), carriage_(buildLayout(*this)) {
    for (const coil::CoilSide side : mainscreen::kBothSides) {
        auto& boxes = boxes_[static_cast<std::size_t>(side)];
        for (const BreakdownLine& line : kBreakdownLines) {
            for (const BreakdownValue* value :
                 {&line.value, line.labour ? &*line.labour : nullptr}) {
                if (value != nullptr) {
                    boxes.push_back({&at(breakdownBox(*value, side)), value});
                }
            }
        }
    }
    on("cmdOK", platform::Event::Click, [this](platform::Control&) { hide(); });
    on("cmdPrint", platform::Event::Click, [this](platform::Control&) { PrintWindow(); });
}

void FrmCostingBreakdown::ShowCoil(coil::CoilSide side, const costmodel::CoilCosting& costing) {
    load();
    for (const Box& box : boxes_[static_cast<std::size_t>(side)]) {
        box.control->setText(
            numbers::format(numbers::widen(costing.*(box.value->field)), box.value->pattern));
    }
}

void FrmCostingBreakdown::ShowCarriageCost(float carriageCost) {
    load();
    carriage_.setText(numbers::format(numbers::widen(carriageCost), numbers::Pattern::TwoDecimals));
}

void FrmCostingBreakdown::ClearValues() {
    // A window not loaded holds nothing, and comes back empty when it loads.
    if (!loaded()) {
        return;
    }
    for (const auto& boxes : boxes_) {
        for (const Box& box : boxes) {
            box.control->setText("");
        }
    }
    carriage_.setText("");
}

void FrmCostingBreakdown::PrintWindow() {
    services_.printer.printWindow(*this);
}

} // namespace rac::costing
