#pragma once

#include "payback/bin_chart_form.h"

namespace rac::payback {

// The chart of the savings by bin, opened from the results window: the energy and the cost each
// bin saves as the results window shows them, and beside the chart a summary of each bin's
// weather as the location window shows it.
class FrmBinGraphics final : public BinChartForm {
  public:
    FrmBinGraphics(platform::Services services, PaybackShell& shell);

  private:
    void buildChart();

    BinCells summaries_;
    const FrmBinDataResults& results_;
    const platform::Control& country_;          // the costing screen's
    const platform::Control& selectedLocation_; // the costing screen's
};

} // namespace rac::payback
