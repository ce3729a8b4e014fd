#pragma once

namespace rac::gui {

// Registers the icons and help pages compiled into the static library; call once before use.
void initResources();

} // namespace rac::gui
