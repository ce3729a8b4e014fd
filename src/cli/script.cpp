#include "cli/script.h"

#include "platform/platform_error.h"
#include "platform/settings_store.h"

#include <algorithm>
#include <array>
#include <limits>

namespace rac::cli {

namespace {

struct VerbSyntax {
    Verb verb;
    std::vector<std::string_view> keys; // the verb's own key, its name, first
    std::string_view name() const { return keys.front(); }
};

const std::array<VerbSyntax, 12>& verbs() {
    static const std::array<VerbSyntax, 12> table{{
        {Verb::Set, {"set", "text"}},
        {Verb::Type, {"type", "text"}},
        {Verb::Pick, {"pick", "item", "index"}},
        {Verb::Click, {"click"}},
        {Verb::Toolbar, {"toolbar", "button"}},
        {Verb::Focus, {"focus"}},
        {Verb::Leave, {"leave"}},
        {Verb::Tick, {"tick", "count"}},
        {Verb::Select, {"select", "start", "length"}},
        {Verb::Answer, {"answer"}},
        {Verb::Close, {"close"}},
        {Verb::Dump, {"dump"}},
    }};
    return table;
}

const VerbSyntax& verbOf(const ObjectReader& action) {
    const VerbSyntax* found = nullptr;
    for (const VerbSyntax& syntax : verbs()) {
        if (!action.has(syntax.name())) {
            continue;
        }
        if (found != nullptr) {
            throw InputError("one step takes one action, not both " + inQuotes(found->name()) +
                             " and " + inQuotes(syntax.name()));
        }
        found = &syntax;
    }
    if (found == nullptr) {
        std::string names;
        for (const VerbSyntax& syntax : verbs()) {
            names += (names.empty() ? "" : ", ") + std::string(syntax.name());
        }
        throw InputError("no action: a step is one of " + names);
    }
    return *found;
}

// A form's name: "frmMain".
std::string formName(const Json& value, std::string_view what) {
    const std::string& name = requireText(value, what);
    if (name.empty() || name.find('.') != std::string::npos) {
        throw InputError(std::string(what) + " must name a form, such as \"frmMain\", not " +
                         inQuotes(name));
    }
    return name;
}

// "frmMain.txtDuty" or "frmBinDataResults.txtSavingKWh(3)": split at the first dot.
void readAddress(const ObjectReader& step, std::string_view key, Action& action) {
    const std::string address = step.text(key);
    const auto dot = address.find('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == address.size()) {
        throw InputError(inQuotes(key) + " must name a form and a control, such as " +
                         "\"frmMain.cmdCalculate\", not " + inQuotes(address));
    }
    action.form = address.substr(0, dot);
    action.control = address.substr(dot + 1);
}

platform::DialogAnswer readAnswer(const Json& value) {
    if (value.is_string() && value.get_ref<const std::string&>() == "cancel") {
        return platform::DialogAnswer::cancel();
    }
    if (value.is_object() && value.size() == 1) {
        const ObjectReader reply(value, "\"answer\"");
        if (reply.has("save")) {
            return platform::DialogAnswer::save(reply.text("save"));
        }
        if (reply.has("print")) {
            return platform::DialogAnswer::print(reply.text("print"));
        }
    }
    throw InputError("\"answer\" must be {\"save\": PATH}, {\"print\": PATH} or \"cancel\"");
}

Action readAction(const Json& value) {
    const ObjectReader step(value, "a step");
    const VerbSyntax& syntax = verbOf(step);
    step.allowOnly(syntax.keys);
    Action action;
    action.verb = syntax.verb;
    switch (syntax.verb) {
    case Verb::Set:
    case Verb::Type:
        readAddress(step, syntax.name(), action);
        action.text = step.text("text");
        break;
    case Verb::Pick:
        readAddress(step, syntax.name(), action);
        if (step.has("item") == step.has("index")) {
            throw InputError("\"pick\" takes either \"item\" or \"index\"");
        }
        if (step.has("item")) {
            action.text = step.text("item");
        } else {
            action.index = step.wholeNumber("index", 0, std::numeric_limits<int>::max());
        }
        break;
    case Verb::Toolbar:
        action.form = formName(step.at("toolbar"), "\"toolbar\"");
        action.number = step.wholeNumber("button", 1, std::numeric_limits<int>::max());
        break;
    case Verb::Tick:
        readAddress(step, syntax.name(), action);
        action.number = step.has("count") ? step.wholeNumber("count", 0, maxTicks) : 1;
        break;
    case Verb::Select:
        readAddress(step, syntax.name(), action);
        action.selection.start = step.wholeNumber("start", 0, std::numeric_limits<int>::max());
        action.selection.length = step.wholeNumber("length", 0, std::numeric_limits<int>::max());
        break;
    case Verb::Answer:
        action.answer = readAnswer(step.at("answer"));
        break;
    case Verb::Close:
        action.form = formName(step.at("close"), "\"close\"");
        break;
    case Verb::Dump: {
        const Json& forms = step.at("dump");
        if (!forms.is_array()) {
            throw InputError("\"dump\" must be a list of form names, not " + kindOf(forms));
        }
        for (const Json& form : forms) {
            action.forms.push_back(formName(form, "a form to dump"));
        }
        break;
    }
    case Verb::Click:
    case Verb::Focus:
    case Verb::Leave:
        readAddress(step, syntax.name(), action);
        break;
    }
    return action;
}

std::vector<std::pair<std::string, std::string>> readSettings(const Json& value) {
    const ObjectReader settings(value, "\"settings\"");
    std::vector<std::pair<std::string, std::string>> seeded;
    platform::MemorySettingsStore check; // the store's own rule for keys
    for (const auto& [key, text] : value.items()) {
        try {
            check.seed(key, requireText(text, "the setting " + inQuotes(key)));
        } catch (const platform::PlatformError& error) {
            throw InputError(error.what());
        }
        seeded.emplace_back(key, text.get<std::string>());
    }
    return seeded;
}

} // namespace

Script readScript(const Json& value) {
    const ObjectReader script(value, "a script");
    script.allowOnly({"settings", "actions"});
    Script parsed;
    if (script.has("settings")) {
        parsed.settings = readSettings(script.at("settings"));
    }
    const Json& actions = script.at("actions");
    if (!actions.is_array()) {
        throw InputError("\"actions\" must be a list of steps, not " + kindOf(actions));
    }
    for (std::size_t i = 0; i < actions.size(); ++i) {
        try {
            parsed.actions.push_back(readAction(actions[i]));
        } catch (const InputError& error) {
            throw InputError("step " + std::to_string(i + 1) + ": " + error.what());
        }
    }
    return parsed;
}

} // namespace rac::cli
