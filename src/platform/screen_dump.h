#pragma once

#include "platform/form.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The state of a form as a script transcript shows it: per control the fields its kind has,
// under the keys "text", "items", "index", "value", "caption", "checked", "enabled", "visible",
// "locked", "back", "fore" (colours as "#RRGGBB"), "tooltip", "picture", "interval",
// "selection", "font" and "chart". Option buttons show "value" as true/false, check boxes and
// progress bars as a number.
namespace rac::platform {

using DumpValue = std::variant<bool, int, std::string, std::vector<std::string>, TextSelection,
                               TextFont, ChartData>;

struct DumpField {
    std::string key;
    DumpValue value;

    friend bool operator==(const DumpField&, const DumpField&) = default;
};

struct ControlDump {
    std::string name; // "txtDuty", "mnuSelection", "Toolbar1(7)", "StatusBar1(2)"
    std::vector<DumpField> fields;

    // The field with that key, or null.
    const DumpValue* field(std::string_view key) const;
};

struct FormDump {
    std::string name;
    std::string state;                 // stateName(); a transcript writes it under "@state"
    std::vector<ControlDump> controls; // in the order the form added them

    const ControlDump* control(std::string_view name) const;
};

// "not loaded", "hidden", "shown", "shown modal".
std::string_view stateName(FormState state);

ControlDump dumpControl(const Control& control);
FormDump dumpForm(const Form& form);

} // namespace rac::platform
