#pragma once

#include "platform/form.h"

namespace rac::payback {

class FrmSelectBinData;
class FrmBinDataResults;
class FrmBinGraphics;
class FrmBinDataGraphics;

// What the bin payback's windows ask of the program around them: the costing screen whose
// country and location they show, and one another. The program makes every form once, so each is
// always there, loaded or not.
class PaybackShell {
  public:
    virtual ~PaybackShell() = default;
    virtual platform::Form& CostingScreen() = 0;
    virtual FrmSelectBinData& SelectBinData() = 0;
    virtual FrmBinDataResults& BinDataResults() = 0;
    virtual FrmBinGraphics& BinGraphics() = 0;
    virtual FrmBinDataGraphics& BinDataGraphics() = 0;
};

} // namespace rac::payback
