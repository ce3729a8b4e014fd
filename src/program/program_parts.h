#pragma once

#include "calculation/calc_context.h"
#include "costing/costing_shell.h"
#include "mainscreen/main_shell.h"
#include "mainscreen/system_info.h"
#include "payback/payback_shell.h"
#include "platform/services.h"
#include "program/program_state.h"
#include "summary/summary_shell.h"

namespace rac::program {

// What the program does for its forms: every screen's shell, and the hand-over from the splash.
class ProgramShell : public mainscreen::MainShell,
                     public costing::CostingShell,
                     public payback::PaybackShell,
                     public summary::SummaryShell {
  public:
    // The splash has finished: the main screen opens and the splash goes.
    virtual void OpenMainFromSplash() = 0;
};

// What a form is made with.
struct ProgramParts {
    platform::Services services;
    ProgramState& state;
    calculation::CalcContext& calc;
    ProgramShell& shell;
    mainscreen::SystemInfoTool& systemInfo;
};

} // namespace rac::program
