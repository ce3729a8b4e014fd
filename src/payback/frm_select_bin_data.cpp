#include "payback/frm_select_bin_data.h"

#include "payback/frm_bin_data_graphics.h"
#include "payback/payback_layouts.h"
#include "payback/window_print.h"
#include "paybackmodel/bin_locations.h"
#include "platform/settings_store.h"

#include <algorithm>

namespace rac::payback {

using platform::CloseReply;
using platform::CloseSource;
using platform::Control;
using platform::Event;

namespace {

platform::Form& laidOut(platform::Form& form) {
    layout::buildSelectBinDataLayout(form);
    return form;
}

} // namespace

FrmSelectBinData::FrmSelectBinData(platform::Services services, paybackmodel::BinTables& bins,
                                   PaybackShell& shell)
    : Form("frmSelectBinData"), services_(services), bins_(bins), shell_(shell),
      location_(laidOut(*this).at("cmbLocation")), grid_(*this),
      selectedBinCountry_(shell.CostingScreen().at("txtSelectedBinCountry")) {
    onLoad([this] { loadScreen(); });
    // Hidden, not discarded: the list keeps showing the location whose bins are loaded.
    onCloseRequest([](CloseSource source) {
        return source == CloseSource::User ? CloseReply::Hide : CloseReply::Close;
    });
    on("cmbLocation", Event::Click, [this](Control&) { LoadBinData(); });
    on("cmdOK", Event::Click, [this](Control&) { UseSelectedBinData(); });
    on("cmdPrint", Event::Click,
       [this](Control&) { PrintWindow(services_, *this, kFormNotPrinted); });
    on("cmdSowGaphically", Event::Click, [this](Control&) { shell_.BinDataGraphics().show(); });
}

// London first, then the location kept by the last "Use Selected Bin Data"; a kept position
// that cannot be applied is passed over without a word.
void FrmSelectBinData::loadScreen() {
    location_.setListIndex(0);
    const int stored = platform::readWholeNumber(services_.settings, "PaybackCalc", "BinLocation",
                                                 -1, 0, paybackmodel::kLocationCount - 1);
    if (stored >= 0) {
        location_.setListIndex(stored);
    }
}

void FrmSelectBinData::SelectLocation(int position) {
    load();
    location_.setListIndex(position);
}

// The location the list shows, when it is one of the thirteen, overwrites all four tables at
// once; the grid then shows the tables as they stand.
void FrmSelectBinData::LoadBinData() {
    const auto& names = paybackmodel::LocationNames();
    const auto found = std::find(names.begin(), names.end(), location_.text());
    if (found != names.end()) {
        paybackmodel::LoadBinData(bins_, static_cast<int>(found - names.begin()));
    }
    ShowWeather(grid_, bins_);
}

void FrmSelectBinData::UseSelectedBinData() {
    hide();
    selectedBinCountry_.setText(location_.text());
    services_.settings.write("PaybackCalc", "BinLocation", std::to_string(location_.listIndex()));
}

} // namespace rac::payback
