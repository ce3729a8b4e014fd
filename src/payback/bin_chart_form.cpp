#include "payback/bin_chart_form.h"

#include "payback/payback_layouts.h"
#include "payback/window_print.h"

namespace rac::payback {

using platform::Control;
using platform::Event;

namespace {

platform::Form& laidOut(platform::Form& form, std::string title, std::string_view chart) {
    layout::buildChartWindowLayout(form, std::move(title), chart);
    return form;
}

} // namespace

BinChartForm::BinChartForm(std::string name, std::string title, std::string_view chart,
                           platform::Services services, PaybackShell& shell)
    : Form(std::move(name)), chart_(laidOut(*this, std::move(title), chart).at(chart)),
      locations_(shell.SelectBinData()) {
    for (const std::string_view print : {"Command2", "mnuPrintWindow"}) {
        on(print, Event::Click,
           [this, services](Control&) { PrintWindow(services, *this, kFormNotPrinted); });
    }
    for (const std::string_view close : {"Command1", "mnuClose"}) {
        on(close, Event::Click, [this](Control&) { unload(); });
    }
}

} // namespace rac::payback
