#include "cli/command_line.h"

#include "cli/calculate_command.h"
#include "cli/script_command.h"
#include "cli/selection_terms.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

namespace rac::cli {

namespace {

constexpr int usageStatus = 2;

constexpr std::string_view usage =
    "usage: rac-cli calculate [FILE]   JSON object or JSON Lines (FILE or stdin) -> one JSON "
    "object per line\n"
    "       rac-cli script [FILE]      one script object -> one transcript object\n"
    "       rac-cli --help, rac-cli COMMAND --help\n";

constexpr std::string_view calculateHelp =
    "usage: rac-cli calculate [FILE]\n"
    "\n"
    "Runs main-screen calculations. Reads one JSON object, or JSON Lines (one object per line),\n"
    "from FILE or, without FILE or with \"-\", from standard input:\n"
    "\n"
    "  {\"mode\": \"Selection\", \"target\": \"Air Off DB\",\n"
    "   \"fields\": {\"txtDBSupplyOn\": \"0\", \"txtDBSupplyOff\": \"10\"}}\n"
    "\n"
    "mode is \"Selection\" (default) or \"Rating\"; target is \"Air Off DB\" (default),\n"
    "\"Effectiveness\" or \"Duty\" (Selection only); fields maps frmMain entry controls to texts.\n"
    "Each request starts from a freshly started main screen, enters the fields as a user would,\n"
    "presses Calculate and answers every message box with OK. Writes one line per request:\n"
    "\n"
    "  {\"aborted\": false, \"messages\": [...], \"focus\": null, \"fields\": {...}}\n"
    "\n"
    "A request that cannot be run gives {\"error\": \"line N: ...\"}, the same on standard error,\n"
    "and the batch goes on. Exit status 0, or 2 when any request failed.\n";

constexpr std::string_view scriptHelp =
    "usage: rac-cli script [FILE]\n"
    "\n"
    "Runs one script of user actions from FILE or standard input and writes its transcript:\n"
    "\n"
    "  {\"settings\": {\"PaybackCalc/Country\": \"7\"},\n"
    "   \"actions\": [{\"set\": \"frmMain.txtDBSupplyOn\", \"text\": \"5\"},\n"
    "               {\"click\": \"frmMain.cmdCalculate\"}, {\"dump\": [\"frmMain\"]}]}\n"
    "\n"
    "Actions: set, type, pick (item or index), click, toolbar (button), focus, leave,\n"
    "tick (count), answer ({\"save\": PATH}, {\"print\": PATH} or \"cancel\"), close, dump.\n"
    "Controls are addressed as FORM.CONTROL, elements of control arrays as FORM.CONTROL(N).\n"
    "The transcript has one step per action with the message boxes it showed (and the dump):\n"
    "\n"
    "  {\"steps\": [{\"messages\": [...]}, ...], \"settings\": {...}}\n"
    "\n"
    "Malformed input is reported on standard error with exit status 2. An action the screens\n"
    "refuse ends the run: the transcript so far, with \"error\", and exit status 2.\n";

using Command = std::function<int(std::istream&, std::ostream&, std::ostream&, const Launcher&)>;

struct CommandSyntax {
    std::string_view name;
    std::string_view help;
    Command run;
};

int failed(std::ostream& err, std::string_view problem, std::string_view then = {}) {
    err << "rac-cli: " << problem << '\n' << then;
    return usageStatus;
}

int badUsage(std::ostream& err, const std::string& problem) {
    return failed(err, problem, usage);
}

int runOn(const CommandSyntax& command, const std::vector<std::string>& args, std::istream& in,
          std::ostream& out, std::ostream& err, const Launcher& launch) {
    if (args.size() == 2 && args[1] == "--help") {
        out << command.help;
        return 0;
    }
    if (args.size() > 2) {
        return badUsage(err, std::string(command.name) + " takes at most one FILE");
    }
    if (args.size() == 1 || args[1] == "-") {
        return command.run(in, out, err, launch);
    }
    if (args[1].starts_with("-")) {
        return badUsage(err, "unknown option " + inQuotes(args[1]));
    }
    std::error_code error;
    if (std::filesystem::is_directory(args[1], error)) {
        return failed(err, "cannot read " + inQuotes(args[1]) + ": it is a folder");
    }
    std::ifstream file(args[1], std::ios::binary);
    if (!file) {
        const std::string reason = std::strerror(errno); // before anything else can change errno
        return failed(err, "cannot open " + inQuotes(args[1]) + ": " + reason);
    }
    return command.run(file, out, err, launch);
}

} // namespace

int runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err, const Launcher& launch) {
    const CommandSyntax commands[] = {{"calculate", calculateHelp, runCalculate},
                                      {"script", scriptHelp, runScriptCommand}};
    if (args.empty()) {
        return badUsage(err, "no command given");
    }
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << usage;
        return 0;
    }
    for (const CommandSyntax& command : commands) {
        if (args[0] == command.name) {
            try {
                return runOn(command, args, in, out, err, launch);
            } catch (const std::exception& fault) {
                return failed(err, printable(fault.what()));
            }
        }
    }
    return badUsage(err, "unknown command " + inQuotes(args[0]));
}

} // namespace rac::cli
