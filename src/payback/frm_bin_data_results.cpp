#include "payback/frm_bin_data_results.h"

#include "foundation/numbers.h"
#include "payback/country_labels.h"
#include "payback/frm_bin_graphics.h"
#include "payback/payback_layouts.h"
#include "payback/window_print.h"

#include <array>

namespace rac::payback {

using numbers::Pattern;
using paybackmodel::Season;
using platform::Control;
using platform::Event;

namespace {

constexpr std::array<std::pair<Season, platform::Colour>, 3> kSeasonColours{{
    {Season::Heating, {255, 192, 192}},
    {Season::Cooling, {192, 192, 255}},
    {Season::Neither, platform::white},
}};

platform::Form& laidOut(platform::Form& form) {
    layout::buildBinDataResultsLayout(form);
    return form;
}

std::string whole(float value) {
    return numbers::format(numbers::widen(value), Pattern::Whole);
}

} // namespace

platform::Colour SeasonColour(Season season) {
    for (const auto& [which, colour] : kSeasonColours) {
        if (which == season) {
            return colour;
        }
    }
    return platform::white;
}

FrmBinDataResults::FrmBinDataResults(platform::Services services, PaybackShell& shell)
    : Form("frmBinDataResults"), weather_(laidOut(*this)),
      savingKWh_(binCells(*this, "txtSavingKWh")), savingCash_(binCells(*this, "txtSavingCash")),
      kWhTotal_(at("txtSavingKWhTotal")), cashTotal_(at("txtSavingCashTotal")),
      coilCostLabel_(at("lblCoilCost")), coilCost_(at("txtCoilCost")), payback_(at("txtPayback")),
      country_(shell.CostingScreen().at("cmbCountry")) {
    // The currency of the coil cost is the country's when the window is made; a later change of
    // country leaves it.
    onLoad([this] { coilCostLabel_.setCaption(CoilCostCaption(country_.text())); });
    on("cmdShowGraphics", Event::Click, [&shell](Control&) { shell.BinGraphics().show(); });
    on("Command1", Event::Click,
       [this, services](Control&) { PrintWindow(services, *this, kWindowNotPrinted); });
    on("cmdOK", Event::Click, [this](Control&) { unload(); });
}

void FrmBinDataResults::ShowBinPayback(const paybackmodel::BinTables& bins,
                                       const paybackmodel::BinPayback& payback,
                                       std::string_view coilCost) {
    load();
    ShowWeather(weather_, bins);
    for (std::size_t i = 0; i < savingKWh_.size(); ++i) {
        // The grid shows every bin's kWh as a saving, whichever way the coil works in it.
        savingKWh_[i]->setText(whole(payback.ShownSavingKWh(static_cast<int>(i))));
        savingCash_[i]->setText(whole(payback.BinSavingCash[i]));
        const platform::Colour colour = SeasonColour(payback.BinSeason[i]);
        for (const BinCells* column : {&weather_.db, &weather_.wb, &weather_.rh, &weather_.hours,
                                       &savingCash_, &savingKWh_}) {
            (*column)[i]->setBackColour(colour);
        }
    }
    kWhTotal_.setText(whole(payback.SavingKWhTotal));
    cashTotal_.setText(whole(payback.SavingCashTotal));
    coilCost_.setText(coilCost);
    payback_.setText(payback.PaybackMonths ? whole(*payback.PaybackMonths) : "N/A");
}

const std::vector<std::string>& BinResultControls() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> listed;
        for (const GridColumn& column : layout::kResultColumns) {
            for (int bin = 1; bin <= paybackmodel::kBinCount; ++bin) {
                listed.push_back(std::string(column.array) + "(" + std::to_string(bin) + ")");
            }
        }
        for (const char* name :
             {"txtSavingKWhTotal", "txtSavingCashTotal", "txtCoilCost", "txtPayback"}) {
            listed.emplace_back(name);
        }
        return listed;
    }();
    return names;
}

std::vector<std::string_view> RowSeasons(const platform::Form& results) {
    std::vector<std::string_view> seasons;
    for (int bin = 1; bin <= paybackmodel::kBinCount; ++bin) {
        const platform::Colour shown = results.at("txtBinDB", bin).backColour();
        Season season = Season::Neither;
        for (const auto& [which, colour] : kSeasonColours) {
            if (colour == shown) {
                season = which;
            }
        }
        seasons.push_back(paybackmodel::SeasonText(season));
    }
    return seasons;
}

} // namespace rac::payback
