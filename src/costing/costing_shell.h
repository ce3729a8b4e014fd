#pragma once

#include "payback/payback_shell.h"
#include "platform/form.h"

namespace rac::costing {

class FrmCosting;
class FrmPassword;
class FrmCostingBreakdown;

// What the costing screens ask of the program around them: the main screen whose calculated pair
// they price, one another, the bin payback's windows and the summary report. The program makes
// every form once, so each is always there, loaded or not.
class CostingShell {
  public:
    virtual ~CostingShell() = default;
    virtual platform::Form& MainScreen() = 0;
    virtual FrmCosting& Costing() = 0;
    virtual FrmPassword& Password() = 0;
    virtual FrmCostingBreakdown& CostingBreakdown() = 0;
    virtual payback::PaybackShell& Payback() = 0;
    // The summary report, modal over the costing screen.
    virtual void ShowSummary() = 0;
};

} // namespace rac::costing
