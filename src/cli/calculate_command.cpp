#include "cli/calculate_command.h"

#include "cli/calculate_driver.h"
#include "cli/record_reader.h"
#include "platform/platform_error.h"
#include "selection/selection_file.h"

namespace rac::cli {

namespace {

std::string answer(const Record& record, CalculateSession& session) {
    if (!record.error.empty()) {
        throw InputError(record.error);
    }
    Json request;
    try {
        request = parseJson(record.text);
    } catch (const JsonSyntaxError& error) {
        throw JsonSyntaxError(error.what(), record.line + error.line() - 1);
    }
    return outcomeText(session.calculate(readCalculateRequest(request)));
}

std::string located(long line, std::string_view problem) {
    return "line " + std::to_string(line) + ": " + printable(problem);
}

} // namespace

int runCalculate(std::istream& in, std::ostream& out, std::ostream& err, const Launcher& launch) {
    CalculateSession session(launch);
    return runCalculateBatch(in, out, err, session);
}

namespace {

// Writes the answer, or the error the request met, located by `locate` and on err too. True when
// answered.
template <typename Answer, typename Locate>
bool answerOrReport(std::ostream& out, std::ostream& err, Answer answer, Locate locate) {
    std::string error;
    try {
        out << answer() << '\n';
    } catch (const JsonSyntaxError& syntax) {
        error = locate(syntax.line(), syntax.what());
    } catch (const InputError& input) {
        error = locate(0, input.what());
    } catch (const platform::PlatformError& screen) {
        error = locate(0, screen.what());
    } catch (const std::exception& fault) { // a fault of the program, not of the request
        error = locate(0, std::string("the calculation failed: ") + fault.what());
    }
    if (!error.empty()) {
        out << jsonText(OrderedJson{{"error", error}}) << '\n';
        err << "rac-cli: " << error << '\n';
    }
    out.flush();
    return error.empty();
}

} // namespace

int runCalculateBatch(std::istream& in, std::ostream& out, std::ostream& err,
                      CalculateSession& session, std::string_view source) {
    RecordReader records(in);
    const std::string prefix = source.empty() ? "" : std::string(source) + ": ";
    bool failed = false;
    while (const auto record = records.next()) {
        failed |= !answerOrReport(
            out, err, [&] { return answer(*record, session); },
            [&](long line, std::string_view problem) {
                return prefix + located(line == 0 ? record->line : line, problem);
            });
    }
    return failed ? 2 : 0;
}

int runSelectionFile(const std::string& path, std::ostream& out, std::ostream& err,
                     CalculateSession& session) {
    const bool answered = answerOrReport(
        out, err,
        [&] {
            try {
                return outcomeText(session.calculate(readSelectionFile(path)));
            } catch (const SelectionFileError& bad) { // names the file already
                throw InputError(bad.fault());
            }
        },
        [&](long, std::string_view problem) { return inQuotes(path) + ": " + printable(problem); });
    return answered ? 0 : 2;
}

} // namespace rac::cli
