#include "platform/form_building.h"

#include <utility>

namespace rac::platform {

Control& addCaptioned(Form& form, ControlKind kind, std::string_view name, std::string caption,
                      std::string_view container, std::string toolTip) {
    Control& control = form.add(kind, name, container);
    control.setCaption(std::move(caption));
    control.setToolTip(std::move(toolTip));
    return control;
}

void neutraliseEnter(Control&, char32_t& key) {
    constexpr char32_t enter = '\r';
    constexpr char32_t bell = 7;
    if (key == enter) {
        key = bell;
    }
}

void addToolbar(Form& form, std::string_view name, int buttons,
                std::span<const std::pair<int, std::string_view>> toolTips) {
    for (int position = 1; position <= buttons; ++position) {
        form.addElement(ControlKind::ToolbarButton, name, position);
    }
    for (const auto& [position, toolTip] : toolTips) {
        form.at(name, position).setToolTip(std::string(toolTip));
    }
}

} // namespace rac::platform
