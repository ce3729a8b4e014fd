#pragma once

#include "payback/frm_select_bin_data.h"
#include "payback/payback_shell.h"
#include "platform/form.h"
#include "platform/services.h"

#include <string>
#include <string_view>

namespace rac::payback {

// What the two chart windows share: a chart built when the window is made, which keeps what it
// shows while the window stays open; "File" › "Print Window" and Print (Command2) print an image
// of the window, "File" › "Close" and Close (Command1) discard it.
class BinChartForm : public platform::Form {
  protected:
    BinChartForm(std::string name, std::string title, std::string_view chart,
                 platform::Services services, PaybackShell& shell);

    platform::Control& chart_;
    // The location window, whose grid both charts read.
    const FrmSelectBinData& locations_;
};

} // namespace rac::payback
