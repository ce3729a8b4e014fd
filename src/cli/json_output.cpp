#include "cli/json_output.h"

#include <algorithm>
#include <type_traits>

namespace rac::cli {

namespace {

std::string_view buttonName(MessageButton button) {
    return button == MessageButton::Help ? "Help" : "OK";
}

std::string_view iconName(MessageIcon icon) {
    return icon == MessageIcon::Information ? "information" : "none";
}

bool hasHelp(const Message& message) {
    return std::find(message.buttons.begin(), message.buttons.end(), MessageButton::Help) !=
           message.buttons.end();
}

OrderedJson messageJson(const Message& message) {
    OrderedJson buttons = OrderedJson::array();
    for (const auto button : message.buttons) {
        buttons.push_back(buttonName(button));
    }
    OrderedJson shown{{"title", message.title},
                      {"text", message.text},
                      {"icon", iconName(message.icon)},
                      {"buttons", std::move(buttons)}};
    if (hasHelp(message)) {
        shown["help"] = {{"file", message.helpFile}, {"context", message.helpContext}};
    }
    return shown;
}

void appendMessage(std::string& out, const Message& message) {
    out += R"({"title":)";
    appendQuoted(out, message.title);
    out += R"(,"text":)";
    appendQuoted(out, message.text);
    out += R"(,"icon":")";
    out += iconName(message.icon);
    out += R"(","buttons":[)";
    std::string_view separator;
    for (const auto button : message.buttons) {
        out += separator;
        separator = ",";
        out += '"';
        out += buttonName(button);
        out += '"';
    }
    out += ']';
    if (hasHelp(message)) {
        out += R"(,"help":{"file":)";
        appendQuoted(out, message.helpFile);
        out += R"(,"context":)";
        out += std::to_string(message.helpContext);
        out += '}';
    }
    out += '}';
}

OrderedJson chartJson(const platform::ChartData& chart) {
    OrderedJson series = OrderedJson::array();
    for (const platform::ChartSeries& one : chart.series) {
        series.push_back({{"name", one.name}, {"values", one.values}, {"axis", one.axis}});
    }
    return {{"title", chart.title},
            {"categories", chart.categories},
            {"series", std::move(series)},
            {"axes", chart.axisTitles}};
}

OrderedJson dumpValueJson(const platform::DumpValue& value) {
    return std::visit(
        [](const auto& shown) -> OrderedJson {
            using Shown = std::decay_t<decltype(shown)>;
            if constexpr (std::is_same_v<Shown, platform::TextSelection>) {
                return {{"start", shown.start}, {"length", shown.length}};
            } else if constexpr (std::is_same_v<Shown, platform::TextFont>) {
                return {{"name", shown.name}, {"points", shown.points}, {"bold", shown.bold}};
            } else if constexpr (std::is_same_v<Shown, platform::ChartData>) {
                return chartJson(shown);
            } else {
                return shown;
            }
        },
        value);
}

} // namespace

OrderedJson messagesJson(const std::vector<Message>& messages) {
    OrderedJson list = OrderedJson::array();
    for (const auto& message : messages) {
        list.push_back(messageJson(message));
    }
    return list;
}

void appendMessages(std::string& out, const std::vector<Message>& messages) {
    out += '[';
    std::string_view separator;
    for (const auto& message : messages) {
        out += separator;
        separator = ",";
        appendMessage(out, message);
    }
    out += ']';
}

OrderedJson formDumpJson(const platform::FormDump& dump) {
    OrderedJson form{{"@state", dump.state}};
    for (const auto& control : dump.controls) {
        OrderedJson fields = OrderedJson::object();
        for (const auto& field : control.fields) {
            fields[field.key] = dumpValueJson(field.value);
        }
        form[control.name] = std::move(fields);
    }
    return form;
}

} // namespace rac::cli
