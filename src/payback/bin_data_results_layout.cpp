#include "mainscreen/field_style.h"
#include "payback/frm_bin_data_results.h"
#include "payback/payback_layouts.h"
#include "platform/form_building.h"

namespace rac::payback::layout {

using paybackmodel::Season;
using platform::ControlKind;

namespace {

void addLabel(platform::Form& form, std::string_view name, std::string caption,
              std::string_view frame = {}) {
    platform::addCaptioned(form, ControlKind::Label, name, std::move(caption), frame);
}

void addResultBox(platform::Form& form, std::string_view name) {
    mainscreen::setResultStyle(form.add(ControlKind::TextBox, name));
}

void addKey(platform::Form& form) {
    platform::addCaptioned(form, ControlKind::Frame, kKeyFrame, "Key to Output Colours");
    const std::tuple<std::string_view, std::string_view, Season> samples[] = {
        {kHeatingKey, "Supply Coil Heating", Season::Heating},
        {kCoolingKey, "Supply Coil Cooling", Season::Cooling},
        {kNeitherKey, "Neither", Season::Neither},
    };
    for (const auto& [name, text, season] : samples) {
        platform::Control& sample = form.add(ControlKind::TextBox, name, kKeyFrame);
        sample.setText(text);
        sample.setLocked(true);
        sample.setBackColour(SeasonColour(season));
    }
}

} // namespace

void buildBinDataResultsLayout(platform::Form& form) {
    form.setTitle("Estimated Payback Based on Bin Data");
    addBinRows(form);
    for (const GridColumn& column : kResultColumns) {
        addBinColumn(form, column);
    }
    addLabel(form, "lblTotals", "Totals");
    addResultBox(form, "txtSavingKWhTotal");
    addResultBox(form, "txtSavingCashTotal");
    addLabel(form, "lblCoilCost", "Coil Cost");
    addResultBox(form, "txtCoilCost");
    addLabel(form, "lblPayback", "Payback (Months)");
    addResultBox(form, "txtPayback");
    addKey(form);
    platform::addCaptioned(form, ControlKind::CommandButton, "cmdShowGraphics", "Show Graphically");
    platform::addCaptioned(form, ControlKind::CommandButton, "Command1", "Print");
    platform::addCaptioned(form, ControlKind::CommandButton, "cmdOK", "Close");
}

} // namespace rac::payback::layout
