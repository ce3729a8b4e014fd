#include "cli/json_output.h"

#include <algorithm>

namespace rac::cli {

namespace {

std::string_view buttonName(platform::MessageButton button) {
    return button == platform::MessageButton::Help ? "Help" : "OK";
}

OrderedJson messageJson(const platform::Message& message) {
    OrderedJson buttons = OrderedJson::array();
    for (const auto button : message.buttons) {
        buttons.push_back(buttonName(button));
    }
    OrderedJson shown{
        {"title", message.title},
        {"text", message.text},
        {"icon", message.icon == platform::MessageIcon::Information ? "information" : "none"},
        {"buttons", std::move(buttons)}};
    const bool hasHelp = std::find(message.buttons.begin(), message.buttons.end(),
                                   platform::MessageButton::Help) != message.buttons.end();
    if (hasHelp) {
        shown["help"] = {{"file", message.helpFile}, {"context", message.helpContext}};
    }
    return shown;
}

} // namespace

OrderedJson messagesJson(const std::vector<platform::Message>& messages) {
    OrderedJson list = OrderedJson::array();
    for (const auto& message : messages) {
        list.push_back(messageJson(message));
    }
    return list;
}

OrderedJson formDumpJson(const platform::FormDump& dump) {
    OrderedJson form{{"@state", dump.state}};
    for (const auto& control : dump.controls) {
        OrderedJson fields = OrderedJson::object();
        for (const auto& field : control.fields) {
            std::visit([&](const auto& value) { fields[field.key] = value; }, field.value);
        }
        form[control.name] = std::move(fields);
    }
    return form;
}

} // namespace rac::cli
