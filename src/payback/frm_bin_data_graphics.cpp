#include "payback/frm_bin_data_graphics.h"

#include "foundation/numbers.h"
#include "payback/payback_layouts.h"

namespace rac::payback {

FrmBinDataGraphics::FrmBinDataGraphics(platform::Services services, PaybackShell& shell)
    : BinChartForm("frmBinDataGraphics", " Graphical Representation of Bin Data", "chartBinData",
                   services, shell) {
    layout::addBinDataClose(*this);
    onLoad([this] { buildChart(); });
    on("cmdClose", platform::Event::Click, [this](platform::Control&) { unload(); });
}

void FrmBinDataGraphics::buildChart() {
    const WeatherColumns& grid = locations_.Grid();
    platform::ChartData weather;
    weather.title = "Bin Data - " + locations_.LocationName();
    weather.categories = binNames();
    weather.series = {{"DB", valuesShown(grid.db), 0},
                      {"WB", valuesShown(grid.wb), 0},
                      {"RH", valuesShown(grid.rh), 0},
                      {"Hours", valuesShown(grid.hours), 1}};
    weather.axisTitles = {"% / °C", "Hours"};
    chart_.setChart(std::move(weather));
}

} // namespace rac::payback
