#pragma once

#include "cli/selection_terms.h"
#include "platform/dialog_answers.h"
#include "platform/rich_content.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rac::cli {

enum class Verb {
    Set,
    Type,
    Pick,
    Click,
    Toolbar,
    Focus,
    Leave,
    Tick,
    Select,
    Answer,
    Close,
    Dump
};

// One user action of a script. Which members count depends on the verb.
struct Action {
    Verb verb = Verb::Click;
    std::string form;
    std::string control;               // set, type, pick, click, focus, leave, tick, select
    std::string text;                  // set and type: the text; pick: the item
    std::optional<int> index;          // pick by position instead of by text
    int number = 1;                    // toolbar: the button's position; tick: how many ticks
    platform::TextSelection selection; // select: the characters chosen
    platform::DialogAnswer answer;
    std::vector<std::string> forms; // dump
};

struct Script {
    std::vector<std::pair<std::string, std::string>> settings; // "Section/Value" and text
    std::vector<Action> actions;
};

// The most ticks one action may ask for: enough for any timer to run its course, few enough
// that a typing slip cannot keep the program busy for hours.
inline constexpr int maxTicks = 100000;

// Reads {"settings": {...}, "actions": [...]}. Throws InputError naming the step ("step 3: ...")
// or the setting at fault.
Script readScript(const Json& value);

} // namespace rac::cli
