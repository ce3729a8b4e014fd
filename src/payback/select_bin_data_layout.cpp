#include "payback/payback_layouts.h"
#include "paybackmodel/bin_locations.h"
#include "platform/form_building.h"

namespace rac::payback::layout {

using platform::ControlKind;

void buildSelectBinDataLayout(platform::Form& form) {
    form.setTitle("Select Bin Data");
    platform::Control& locations = form.add(ControlKind::List, "cmbLocation");
    for (const std::string_view name : paybackmodel::LocationNames()) {
        locations.addItem(std::string(name));
    }
    addBinRows(form);
    for (const GridColumn& column : kLocationColumns) {
        addBinColumn(form, column);
    }
    platform::addCaptioned(form, ControlKind::CommandButton, "cmdOK", "Use Selected Bin Data");
    platform::addCaptioned(form, ControlKind::CommandButton, "cmdPrint", "Print");
    platform::addCaptioned(form, ControlKind::CommandButton, "cmdSowGaphically",
                           "Show Graphically");
}

} // namespace rac::payback::layout
