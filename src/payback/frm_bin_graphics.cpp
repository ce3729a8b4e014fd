#include "payback/frm_bin_graphics.h"

#include "foundation/numbers.h"
#include "payback/country_labels.h"
#include "payback/frm_bin_data_results.h"
#include "payback/payback_layouts.h"

namespace rac::payback {

FrmBinGraphics::FrmBinGraphics(platform::Services services, PaybackShell& shell)
    : BinChartForm("frmBinGraphics", " Graphical Representation of Savings by Bin",
                   "chartBinResults", services, shell),
      summaries_(layout::addBinSummaries(*this)), results_(shell.BinDataResults()),
      country_(shell.CostingScreen().at("cmbCountry")),
      selectedLocation_(shell.CostingScreen().at("txtSelectedBinCountry")) {
    onLoad([this] { buildChart(); });
}

void FrmBinGraphics::buildChart() {
    platform::ChartData savings;
    savings.title = "Energy and Cost Savings by Bin - " + selectedLocation_.text();
    savings.categories = binNames();
    savings.series = {{"Energy Saving (kWh)", valuesShown(results_.SavingKWh()), 0},
                      {CostSeriesLabel(country_.text()), valuesShown(results_.SavingCash()), 1}};
    savings.axisTitles = {"Energy Saving", "Cost Saving"};
    chart_.setChart(std::move(savings));

    // Each bin's weather as the location window's grid shows it.
    const WeatherColumns& grid = locations_.Grid();
    for (std::size_t i = 0; i < summaries_.size(); ++i) {
        summaries_[i]->setCaption("Bin" + std::to_string(i + 1) + ", DB " + grid.db[i]->text() +
                                  "°C, WB " + grid.wb[i]->text() + "°C, RH " + grid.rh[i]->text() +
                                  "%, Hours " + grid.hours[i]->text());
    }
}

} // namespace rac::payback
