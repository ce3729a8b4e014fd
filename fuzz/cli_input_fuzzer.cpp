// The input of rac-cli, run on the real program: the first byte picks the command (or a selection
// file), the rest is what it reads. Whatever comes in, each command answers in its contract's shape
// and never crashes.
#include "cli/application_program.h"
#include "cli/calculate_command.h"
#include "cli/calculate_driver.h"
#include "cli/script.h"
#include "cli/script_runner.h"
#include "cli/selection_terms.h"
#include "platform/platform_error.h"
#include "selection/plain_json.h"
#include "selection/selection_file.h"

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

using rac::cli::Json;

void require(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

std::size_t lineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// The quick reader of plain requests reads exactly what the general parser reads, or nothing.
void fuzzPlainReader(const std::string& input) {
    std::istringstream lines(input);
    for (std::string line; std::getline(lines, line);) {
        if (const auto plain = rac::cli::parsePlainObject(line)) {
            require(*plain == Json::parse(line));
        }
    }
}

struct Batch {
    int status = 0;
    std::string out;
    std::string err;
    bool operator==(const Batch&) const = default;
};

Batch answerBatch(const std::string& input, rac::cli::CalculateSession& session) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = rac::cli::runCalculateBatch(in, out, err, session);
    return {status, out.str(), err.str()};
}

// Every line is an answer or an error, and the status and the error stream say the same. One
// session serves every input, as one serves a whole batch: the program is launched once and
// brought back to its state after start-up for each request, so a freshly launched program must
// answer alike; some inputs (always the same ones) check that too.
void fuzzCalculate(const std::string& input, bool againOnAFreshProgram) {
    static rac::cli::CalculateSession kept(rac::cli::launchApplication);
    const Batch batch = answerBatch(input, kept);
    std::istringstream answers(batch.out);
    std::size_t errors = 0;
    for (std::string line; std::getline(answers, line);) {
        const Json answer = Json::parse(line);
        require(answer.is_object());
        if (answer.contains("error")) {
            require(answer.size() == 1 && answer["error"].get<std::string>().starts_with("line "));
            ++errors;
        } else {
            require(answer.size() == (answer.contains("costing") ? 5u : 4u) &&
                    answer["aborted"].is_boolean() && answer["messages"].is_array() &&
                    answer["fields"].is_object());
            if (answer.contains("costing") && !answer["costing"].is_null()) {
                const Json& costing = answer["costing"];
                require(costing.size() == 9 && costing["aborted"].is_boolean() &&
                        costing["entry_messages"].is_array() && costing["messages"].is_array() &&
                        costing["fields"].is_object() && costing["breakdown"].is_object() &&
                        costing["main"].is_object() && costing["settings"].is_object());
                // The bin payback's results: 64 boxes, the coil cost's caption and ten seasons.
                const Json& bins = costing["bins"];
                require(bins.is_null() || (bins.size() == 66 && bins["seasons"].is_array() &&
                                           bins["seasons"].size() == 10));
            }
        }
    }
    require(batch.status == (errors == 0 ? 0 : 2));
    require(lineCount(batch.err) == errors);
    if (againOnAFreshProgram) {
        rac::cli::CalculateSession fresh(rac::cli::launchApplication);
        require(answerBatch(input, fresh) == batch);
    }
}

// Scripts that would write files (dialog answers naming a path) are read but not run.
void fuzzScript(const std::string& input) {
    rac::cli::Script script;
    try {
        script = rac::cli::readScript(rac::cli::parseJson(input));
    } catch (const rac::cli::InputError&) {
        return;
    }
    const bool writesFiles =
        std::any_of(script.actions.begin(), script.actions.end(), [](const auto& action) {
            return action.verb == rac::cli::Verb::Answer && !action.answer.path.empty();
        });
    if (writesFiles) {
        return;
    }
    const auto transcript = rac::cli::runScript(script, rac::cli::launchApplication);
    require(transcript.steps.size() <= script.actions.size());
    require(!transcript.error.empty() || transcript.steps.size() == script.actions.size());
    const Json written = Json::parse(rac::cli::jsonText(rac::cli::transcriptJson(transcript)));
    require(written["steps"].size() == transcript.steps.size());
}

// A selection file reads back as it was written, and runs as a request does.
void fuzzSelectionFile(const std::string& input) {
    rac::selection::CalculateRequest read;
    try {
        read = rac::selection::readSelectionText(input);
    } catch (const rac::cli::InputError&) {
        return;
    }
    const auto again = rac::selection::readSelectionText(rac::selection::selectionText(read));
    require(again.mode == read.mode && again.fields == read.fields &&
            again.costing.has_value() == read.costing.has_value());
    static rac::cli::CalculateSession kept(rac::cli::launchApplication);
    try {
        const Json answer = Json::parse(rac::cli::outcomeText(kept.calculate(read)));
        require(answer["aborted"].is_boolean() && answer["fields"].is_object());
    } catch (const rac::cli::InputError&) {
    } catch (const rac::platform::PlatformError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 4 == 2) {
        fuzzSelectionFile(input);
    } else if (data[0] % 2 == 0) {
        fuzzPlainReader(input);
        fuzzCalculate(input, data[0] % 32 == 0);
    } else {
        fuzzScript(input);
    }
    return 0;
}
