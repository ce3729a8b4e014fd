#pragma once

#include "platform/form.h"

#include <string>
#include <string_view>

// What the screen designs share when they lay out their controls.
namespace rac::platform {

// A control with a caption (a label, frame, check box, option button, command button or menu
// entry), in the container when one is given, with its tool tip.
Control& addCaptioned(Form& form, ControlKind kind, std::string_view name, std::string caption,
                      std::string_view container = {}, std::string toolTip = {});

} // namespace rac::platform
