#include "cli/script_command.h"

#include "cli/script_runner.h"
#include "cli/selection_terms.h"

#include <algorithm>
#include <iterator>

namespace rac::cli {

namespace {

// The whole input, refused beyond the limit without holding more than it.
std::string readAll(std::istream& in) {
    std::string text;
    std::istreambuf_iterator<char> next(in);
    const std::istreambuf_iterator<char> end;
    while (next != end) {
        if (text.size() == maxScriptBytes) {
            throw InputError("the script is longer than " + std::to_string(maxScriptBytes) +
                             " bytes");
        }
        text.push_back(*next++);
    }
    return text;
}

Script readScriptText(const std::string& text) {
    if (std::all_of(text.begin(), text.end(),
                    [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; })) {
        throw InputError("the input is empty: a script is one JSON object");
    }
    try {
        return readScript(parseJson(text));
    } catch (const JsonSyntaxError& error) {
        throw InputError("line " + std::to_string(error.line()) + ": " + error.what());
    }
}

} // namespace

int runScriptCommand(std::istream& in, std::ostream& out, std::ostream& err,
                     const Launcher& launch) {
    Script script;
    try {
        script = readScriptText(readAll(in));
    } catch (const InputError& error) {
        err << "rac-cli: " << printable(error.what()) << '\n';
        return 2;
    }
    const Transcript transcript = runScript(script, launch);
    out << jsonText(transcriptJson(transcript), 2) << '\n';
    out.flush();
    if (!transcript.error.empty()) {
        err << "rac-cli: " << transcript.error << '\n';
        return 2;
    }
    return 0;
}

} // namespace rac::cli
