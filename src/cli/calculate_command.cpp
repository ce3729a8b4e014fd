#include "cli/calculate_command.h"

#include "cli/calculate_driver.h"
#include "cli/record_reader.h"
#include "platform/platform_error.h"

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

int runCalculateBatch(std::istream& in, std::ostream& out, std::ostream& err,
                      CalculateSession& session) {
    RecordReader records(in);
    bool failed = false;
    while (const auto record = records.next()) {
        std::string error;
        try {
            out << answer(*record, session) << '\n';
        } catch (const JsonSyntaxError& syntax) {
            error = located(syntax.line(), syntax.what());
        } catch (const InputError& input) {
            error = located(record->line, input.what());
        } catch (const platform::PlatformError& screen) {
            error = located(record->line, screen.what());
        } catch (const std::exception& fault) { // a fault of the program, not of the request
            error = located(record->line, std::string("the calculation failed: ") + fault.what());
        }
        if (!error.empty()) {
            failed = true;
            out << jsonText(OrderedJson{{"error", error}}) << '\n';
            err << "rac-cli: " << error << '\n';
        }
        out.flush();
    }
    return failed ? 2 : 0;
}

} // namespace rac::cli
