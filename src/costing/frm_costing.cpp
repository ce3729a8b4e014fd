#include "costing/frm_costing.h"

#include "costing/costing_help.h"
#include "costing/costing_layout.h"
#include "costing/frm_costing_breakdown.h"
#include "costing/frm_password.h"
#include "foundation/numbers.h"
#include "mainscreen/identity.h"
#include "mainscreen/main_layout.h"
#include "mainscreen/side_names.h"
#include "payback/frm_bin_data_graphics.h"
#include "payback/frm_bin_data_results.h"
#include "payback/frm_bin_graphics.h"
#include "payback/frm_select_bin_data.h"
#include "platform/form_building.h"

namespace rac::costing {

using platform::CloseReply;
using platform::CloseSource;
using platform::Control;
using platform::Event;

namespace {

constexpr double kHotFluid = 115; // C

} // namespace

FrmCosting::FrmCosting(platform::Services services, calculation::CalcContext& calc,
                       CostingState& state, bool& costingDone, CostingShell& shell)
    : Form("frmCosting"), services_(services), calc_(calc), state_(state),
      costingDone_(costingDone), shell_(shell), main_(shell.MainScreen()),
      ui_(layout::buildCostingLayout(*this)) {
    wireEvents();
}

void FrmCosting::wireEvents() {
    onLoad([this] { loadScreen(); });
    onCloseRequest([this](CloseSource) {
        closeDown();
        return CloseReply::Close;
    });
    for (const Side which : mainscreen::kBothSides) {
        wireSide(which);
    }
    const auto clear = [this](Control&) { ClearCostingOutputs(); };
    on("txtGrossMargin", Event::Change, clear);
    on("chkGrossMargin", Event::Click, [this](Control&) { grossMarginTicked(); });
    on("cmbCountry", Event::Click, [this](Control&) { ApplyCountry(); });
    on("optPaybackDesign", Event::Click, [this](Control&) { choosePaybackDesign(); });
    on("optBinPayback", Event::Click, [this](Control&) { chooseBinPayback(); });
    on("cmdBinData", Event::Click, [this](Control&) { selectBinData(); });
    for (const std::string_view name : {"txtEnergyCost", "txtAnnualRunHours", "txtExchangeRate"}) {
        on(name, Event::Change, clear);
        onKeyPress(name, platform::neutraliseEnter);
        // The desktop selects the whole text as the box gains the focus: the model holds no
        // selection of a plain text box.
    }

    on("cmdCalculateCost", Event::Click, [this](Control&) { CalculateCost(); });
    on("cmdCostingBreakdown", Event::Click, [this](Control&) { shell_.CostingBreakdown().show(); });
    on("cmdPrint", Event::Click, [this](Control&) { shell_.ShowSummary(); });
    on("cmdclose", Event::Click, [this](Control&) { Close(); });
    on("Toolbar1", Event::Click, [this](Control& button) { toolbarClicked(button); });
    on("mnuPrintWindow", Event::Click, [this](Control&) { PrintWindow(); });
    on("mnuClose", Event::Click, [this](Control&) { Close(); });
    on("mnuHelpContents", Event::Click, [this](Control&) { ShowHelp(); });
    on("mnuAdditionalInformation", Event::Click, [this](Control&) { shell_.Password().show(); });
}

void FrmCosting::wireSide(Side which) {
    const auto wire = [&](std::string_view base, Event event, void (FrmCosting::*rule)(Side)) {
        on(mainscreen::sided(base, which), event,
           [this, which, rule](Control&) { (this->*rule)(which); });
    };
    wire("cmbCasingMaterial", Event::Click, &FrmCosting::casingMaterialClicked);
    wire("cmbCasingStyle", Event::LostFocus, &FrmCosting::casingStyleLeft);
    wire("cmbDrainpan", Event::Click, &FrmCosting::drainpanClicked);
    wire("cmbCasingDepthSelect", Event::Click, &FrmCosting::casingDepthModeClicked);
    wire("txtCasingDepth", Event::Change, &FrmCosting::casingDepthChanged);
    wire("chkConnectionFlanges", Event::Click, &FrmCosting::connectionFlangesClicked);

    const auto clear = [this](Control&) { ClearCostingOutputs(); };
    for (const std::string_view base :
         {"cmbCasingStyle", "cmbBrazeMat", "cmbDrainpanMaterial", "optWelded", "optScrewed"}) {
        on(mainscreen::sided(base, which), Event::Click, clear);
    }
    for (Control* option : side(which).options) {
        on(option->name(), Event::Click, clear);
    }
    onKeyPress(mainscreen::sided("txtCasingDepth", which), platform::neutraliseEnter);
}

void FrmCosting::toolbarClicked(const Control& button) {
    switch (button.index().value_or(0)) {
    case layout::kToolReport:
        shell_.ShowSummary();
        break;
    case layout::kToolCalculate:
        ui_.calculateButton.press();
        break;
    case layout::kToolClose:
        Close();
        break;
    case layout::kToolHelp:
        ShowHelp();
        break;
    default: // 3 is a separator
        break;
    }
}

void FrmCosting::Open() {
    load();
    for (const Side which : mainscreen::kBothSides) {
        side(which).coilCode.setText(mainCoil(which).coilCode.text());
    }
    show();
    shell_.MainScreen().hide();
}

void FrmCosting::Close() {
    if (!loaded()) {
        return;
    }
    closeDown();
    unload();
}

// What closing does beside unloading the screen.
void FrmCosting::closeDown() {
    SavePaybackSettings();
    for (Control* command :
         {&main_.costingButton, &main_.printButton, &main_.costingTool, &main_.printSummaryTool}) {
        command->setEnabled(false);
    }
    // The breakdown, the password and the bin windows belong to this costing and go with it.
    // The location window lives on, out of sight, with the location whose bins are loaded.
    shell_.CostingBreakdown().unload();
    payback::PaybackShell& bins = shell_.Payback();
    using Forms = std::initializer_list<platform::Form*>;
    for (platform::Form* kept : Forms{&shell_.Password(), &bins.SelectBinData()}) {
        if (kept->loaded()) {
            kept->hide();
        }
    }
    for (platform::Form* shown :
         Forms{&bins.BinDataResults(), &bins.BinGraphics(), &bins.BinDataGraphics()}) {
        shown->unload();
    }
    shell_.MainScreen().show();
    costingDone_ = false;
}

void FrmCosting::PrintWindow() {
    services_.printer.printWindow(*this);
}

void FrmCosting::ShowHelp() {
    services_.help.show(
        platform::helpAtContext(std::string(mainscreen::kHelpFile), kCostingHelpContext));
}

double FrmCosting::fluidTemperature(Side which) const {
    const Control& shown = which == Side::Supply ? main_.fluidT1 : main_.fluidT2;
    return numbers::leadingNumber(shown.text());
}

bool FrmCosting::hotFluid(Side which) const {
    return fluidTemperature(which) > kHotFluid;
}

void FrmCosting::tell(std::string_view title, std::string_view text) {
    services_.messages.show(information(std::string(title), std::string(text)));
}

} // namespace rac::costing
