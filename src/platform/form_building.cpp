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

} // namespace rac::platform
