#include "platform/screen_dump.h"

#include <algorithm>

namespace rac::platform {

namespace {

std::string keyOf(Property property) {
    switch (property) {
    case Property::Text:
        return "text";
    case Property::Items:
        return "items";
    case Property::ListIndex:
        return "index";
    case Property::Value:
        return "value";
    case Property::Caption:
        return "caption";
    case Property::Checked:
        return "checked";
    case Property::Enabled:
        return "enabled";
    case Property::Visible:
        return "visible";
    case Property::Locked:
        return "locked";
    case Property::BackColour:
        return "back";
    case Property::ForeColour:
        return "fore";
    case Property::ToolTip:
        return "tooltip";
    case Property::Picture:
        return "picture";
    case Property::Interval:
        return "interval";
    case Property::Selection:
        return "selection";
    case Property::Font:
        return "font";
    case Property::Chart:
        return "chart";
    default:
        return "";
    }
}

DumpValue valueOf(const Control& control, Property property) {
    switch (property) {
    case Property::Text:
        return control.text();
    case Property::Items:
        return control.items();
    case Property::ListIndex:
        return control.listIndex();
    case Property::Value:
        if (control.kind() == ControlKind::OptionButton) {
            return control.value() == 1;
        }
        return control.value();
    case Property::Caption:
        return control.caption();
    case Property::Checked:
        return control.checked();
    case Property::Enabled:
        return control.enabled();
    case Property::Visible:
        return control.visible();
    case Property::Locked:
        return control.locked();
    case Property::BackColour:
        return hexText(control.backColour());
    case Property::ForeColour:
        return hexText(control.foreColour());
    case Property::ToolTip:
        return control.toolTip();
    case Property::Picture:
        return control.picture();
    case Property::Interval:
        return control.interval();
    case Property::Selection:
        return control.selection();
    case Property::Font:
        return control.font();
    case Property::Chart:
        return control.chart();
    default:
        return false;
    }
}

} // namespace

const DumpValue* ControlDump::field(std::string_view key) const {
    const auto found = std::find_if(fields.begin(), fields.end(),
                                    [key](const DumpField& f) { return f.key == key; });
    return found == fields.end() ? nullptr : &found->value;
}

const ControlDump* FormDump::control(std::string_view wanted) const {
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [wanted](const ControlDump& c) { return c.name == wanted; });
    return found == controls.end() ? nullptr : &*found;
}

std::string_view stateName(FormState state) {
    switch (state) {
    case FormState::NotLoaded:
        return "not loaded";
    case FormState::Hidden:
        return "hidden";
    case FormState::Shown:
        return "shown";
    case FormState::ShownModal:
        return "shown modal";
    }
    return "";
}

ControlDump dumpControl(const Control& control) {
    ControlDump dump{control.name(), {}};
    for (const Property property : propertiesOf(control.kind())) {
        dump.fields.push_back({keyOf(property), valueOf(control, property)});
    }
    return dump;
}

FormDump dumpForm(const Form& form) {
    FormDump dump{form.name(), std::string(stateName(form.state())), {}};
    for (const Control* control : form.controls()) {
        dump.controls.push_back(dumpControl(*control));
    }
    return dump;
}

} // namespace rac::platform
