#include "cli/command_line.h"

#include "cli/calculate_command.h"
#include "cli/calculate_driver.h"
#include "cli/script_command.h"
#include "cli/selection_terms.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

namespace rac::cli {

namespace {

constexpr int usageStatus = 2;

constexpr std::string_view usage =
    "usage: rac-cli calculate [FILE...] JSON object or JSON Lines (FILE or stdin), or selection\n"
    "                                  files (*.rac) -> one JSON object per line\n"
    "       rac-cli script [FILE]      one script object -> one transcript object\n"
    "       rac-cli --help, rac-cli COMMAND --help\n";

constexpr std::string_view calculateHelp =
    "usage: rac-cli calculate [FILE...]\n"
    "\n"
    "Runs main-screen calculations. Reads one JSON object, or JSON Lines (one object per line),\n"
    "from each FILE in turn or, without FILE or with \"-\", from standard input:\n"
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
    "and the batch goes on. Exit status 0, or 2 when any request failed.\n"
    "\n"
    "A FILE named *.rac is a selection file the desktop saved, run as one request; its faults\n"
    "are answered as {\"error\": \"\\\"A.rac\\\": ...\"}. So rac-cli calculate *.rac re-runs "
    "them.\n";

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
// A command that takes several FILEs: the FILEs (at least one), then as above.
using FilesCommand = std::function<int(const std::vector<std::string>&, std::istream&,
                                       std::ostream&, std::ostream&, const Launcher&)>;

struct CommandSyntax {
    std::string_view name;
    std::string_view help;
    Command run;
    FilesCommand runFiles; // none: the command takes at most one FILE
};

int failed(std::ostream& err, std::string_view problem, std::string_view then = {}) {
    err << "rac-cli: " << problem << '\n' << then;
    return usageStatus;
}

int badUsage(std::ostream& err, const std::string& problem) {
    return failed(err, problem, usage);
}

// Runs on the opened file, or says why it cannot be read.
int withInputFile(const std::string& path, std::ostream& err,
                  const std::function<int(std::istream&)>& run) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return failed(err, "cannot read " + inQuotes(path) + ": it is a folder");
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        const std::string reason = std::strerror(errno); // before anything else can change errno
        return failed(err, "cannot open " + inQuotes(path) + ": " + reason);
    }
    return run(file);
}

// Each FILE in turn on one session: "-" is standard input, a *.rac file one selection, any other
// file a batch of requests whose errors name it when there are several FILEs.
int runCalculateFiles(const std::vector<std::string>& files, std::istream& in, std::ostream& out,
                      std::ostream& err, const Launcher& launch) {
    CalculateSession session(launch);
    int status = 0;
    for (const std::string& file : files) {
        int each = 0;
        if (file == "-") {
            each = runCalculateBatch(in, out, err, session);
        } else if (file.ends_with(".rac")) {
            each = runSelectionFile(file, out, err, session);
        } else {
            each = withInputFile(file, err, [&](std::istream& input) {
                return runCalculateBatch(input, out, err, session,
                                         files.size() > 1 ? file : std::string());
            });
        }
        status = std::max(status, each);
    }
    return status;
}

int runOn(const CommandSyntax& command, const std::vector<std::string>& args, std::istream& in,
          std::ostream& out, std::ostream& err, const Launcher& launch) {
    if (args.size() == 2 && args[1] == "--help") {
        out << command.help;
        return 0;
    }
    if (args.size() > 2 && !command.runFiles) {
        return badUsage(err, std::string(command.name) + " takes at most one FILE");
    }
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i].starts_with("-") && args[i] != "-") {
            return badUsage(err, "unknown option " + inQuotes(args[i]));
        }
    }
    if (args.size() == 1) {
        return command.run(in, out, err, launch);
    }
    if (command.runFiles) {
        return command.runFiles({args.begin() + 1, args.end()}, in, out, err, launch);
    }
    if (args[1] == "-") {
        return command.run(in, out, err, launch);
    }
    return withInputFile(args[1], err,
                         [&](std::istream& input) { return command.run(input, out, err, launch); });
}

} // namespace

int runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err, const Launcher& launch) {
    const CommandSyntax commands[] = {{"calculate", calculateHelp, runCalculate, runCalculateFiles},
                                      {"script", scriptHelp, runScriptCommand, {}}};
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
