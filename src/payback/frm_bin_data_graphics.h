#pragma once

#include "payback/bin_chart_form.h"

namespace rac::payback {

// The chart of the loaded location's weather bins, opened from the location window: dry bulb,
// wet bulb and humidity against one axis, the hours against another, as the location window's
// grid shows them. Its own Close (cmdClose) discards it too.
class FrmBinDataGraphics final : public BinChartForm {
  public:
    FrmBinDataGraphics(platform::Services services, PaybackShell& shell);

  private:
    void buildChart();
};

} // namespace rac::payback
