#pragma once

#include "cli/selection_terms.h"
#include "support/text_lines.h"

#include <string>
#include <vector>

namespace rac::cli::testing_support {

// A stand-in for the real program, for what the real one cannot show: the order of the events the
// commands raise, and forms it does not have (a timer, a toolbar, a form that refuses to close).
//
// frmMain: the menus of mode and target, every entry control a calculation takes and every
// result control it reports, cmdCalculate and cmdCosting. Lists hold "A" and "B", the circuit
// selects "Optimise", "Fixed", "Number". A tubes-high box that is not a number keeps the focus on
// leaving. Calculate writes the mode into txtCoilCodeSupply and enables Costing.
//
// frmTools (shown): Timer1 that stops after 3 ticks, Toolbar1(1) (shows a message) and
// Toolbar1(2) (disabled), StatusBar1(1), txtBin(3), cmdSave (asks for a file and shows the answer
// in lblSaved), cmdRemember (stores txtBin(3) as PaybackCalc/Country), a rich-text box
// rtfDocument ("Line 1\n°C"); it refuses to be closed. frmHidden is never loaded.
//
// The log records "Event control text" for frmMain's entries and Calculate.
Launcher testLauncher(std::vector<std::string>& log);

// What one run of rac-cli wrote, and its exit status.
struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};
CliRun runCli(const std::vector<std::string>& args, const std::string& input,
              const Launcher& launch);

using rac::test::linesOf;

} // namespace rac::cli::testing_support
