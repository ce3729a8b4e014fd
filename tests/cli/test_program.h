#pragma once

#include "cli/program.h"

#include <string>
#include <vector>

namespace rac::cli::testing_support {

// A stand-in for the real program, with just enough screen rules to show how the commands drive
// a screen (the real forms are exercised by the golden transcripts).
//
// frmMain: the menus of mode and target, every entry control a calculation takes and every
// result control it reports, cmdCalculate and cmdCosting. Entries start "0" (supply on), "10"
// (supply off), "20" (extract on); lists hold "A" and "B", the circuit selects "Optimise",
// "Fixed", "Number". Any entry clears the results. A tubes-high box that is not a number keeps
// the focus on leaving. Calculate fails validation on a non-numeric supply on (focus there) or
// equal supply and extract on (no focus), stops on glycol above 100, and otherwise writes the
// mode and target into txtCoilCodeSupply and enables Costing.
//
// frmTools (shown): Timer1 that stops after 3 ticks, Toolbar1(1) (shows a message) and
// Toolbar1(2) (disabled), StatusBar1(1), a check box, two options in a frame, txtBin(3), cmdSave
// (asks for a file and shows the answer in lblSaved), cmdRemember (stores txtBin(3) as
// PaybackCalc/Country); it refuses to be closed. frmHidden is never loaded.
//
// The log records "Event control text" for frmMain's entries and Calculate.
Launcher testLauncher(std::vector<std::string>& log);

} // namespace rac::cli::testing_support
