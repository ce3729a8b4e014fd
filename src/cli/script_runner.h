#pragma once

#include "cli/script.h"
#include "cli/selection_terms.h"
#include "foundation/messages.h"
#include "platform/screen_dump.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rac::cli {

struct Step {
    std::vector<Message> messages;                       // the boxes shown during the step
    std::optional<std::vector<platform::FormDump>> dump; // dump steps only
};

struct Transcript {
    std::vector<Step> steps; // up to and including a step that failed
    std::map<std::string, std::string, std::less<>> settings; // the store when the script ended
    std::string
        error; // "step 4: cannot click frmMain.cmdCosting: it is disabled"; empty when all ran
};

// Runs the script's actions in order on a freshly launched program whose settings store holds the
// script's settings. The first action a user could not carry out (or that names something the
// screens do not have) ends the run; the transcript says which and why.
Transcript runScript(const Script& script, const Launcher& launch);

// {"steps": [{"messages": [...], "dump": {...}}, ...], "settings": {...}}, plus "error" when a
// step failed.
OrderedJson transcriptJson(const Transcript& transcript);

} // namespace rac::cli
