#pragma once

#include "platform/form.h"

#include <span>
#include <string>
#include <string_view>
#include <utility>

// What the screen designs share when they lay out their controls.
namespace rac::platform {

// A control with a caption (a label, frame, check box, option button, command button or menu
// entry), in the container when one is given, with its tool tip.
Control& addCaptioned(Form& form, ControlKind kind, std::string_view name, std::string caption,
                      std::string_view container = {}, std::string toolTip = {});

// The key rule of an entry field: Enter would otherwise reach the window and press a button, so
// it becomes the bell, which inserts nothing.
void neutraliseEnter(Control& field, char32_t& key);

// The toolbar's buttons, elements 1 to `buttons` of the control array, with the tool tips of the
// positions given; the positions left out are separators.
void addToolbar(Form& form, std::string_view name, int buttons,
                std::span<const std::pair<int, std::string_view>> toolTips);

} // namespace rac::platform
