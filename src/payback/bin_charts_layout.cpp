#include "payback/payback_layouts.h"
#include "platform/form_building.h"

namespace rac::payback::layout {

using platform::ControlKind;

void buildChartWindowLayout(platform::Form& form, std::string title, std::string_view chart) {
    form.setTitle(std::move(title));
    platform::addCaptioned(form, ControlKind::MenuEntry, "mnuFile", "File");
    platform::addCaptioned(form, ControlKind::MenuEntry, "mnuPrintWindow", "Print Window",
                           "mnuFile");
    platform::addCaptioned(form, ControlKind::MenuEntry, "mnuClose", "Close", "mnuFile");
    form.add(ControlKind::Chart, chart);
    platform::addCaptioned(form, ControlKind::CommandButton, "Command2", "Print");
    platform::addCaptioned(form, ControlKind::CommandButton, "Command1", "Close");
}

BinCells addBinSummaries(platform::Form& form) {
    platform::addCaptioned(form, ControlKind::Frame, kSummaryFrame, "Bin Summary");
    for (int bin = 1; bin <= paybackmodel::kBinCount; ++bin) {
        form.addElement(ControlKind::Label, "lblBinSummary", bin, kSummaryFrame);
    }
    return binCells(form, "lblBinSummary");
}

void addBinDataClose(platform::Form& form) {
    platform::addCaptioned(form, ControlKind::CommandButton, "cmdClose", "Close");
}

} // namespace rac::payback::layout
