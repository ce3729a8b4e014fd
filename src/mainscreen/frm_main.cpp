#include "mainscreen/frm_main.h"

#include "mainscreen/identity.h"
#include "mainscreen/main_layout.h"
#include "mainscreen/side_names.h"
#include "platform/form_building.h"

namespace rac::mainscreen {

using platform::CloseReply;
using platform::CloseSource;
using platform::Control;
using platform::Event;

namespace {

// The entries that take typing.
constexpr std::string_view kEnterProof[] = {
    "txtAirVolSupply",     "txtAirVolExtract",    "txtDBSupplyOn", "txtDBSupplyOff",
    "txtDBExtractOn",      "txtEffectiveness",    "txtDuty",       "txtGlycol",
    "txtFluidMaxPDSupply", "txtFluidMaxPDExtract"};
constexpr std::string_view kSideEnterProof[] = {"txtTubesHigh",    "txtFinnedHeight",
                                                "txtFinnedLength", "txtNumberSections",
                                                "txtNumberRows",   "cmbCircuitType"};

} // namespace

FrmMain::FrmMain(platform::Services services, calculation::CalcContext& ctx, MainShell& shell)
    : Form("frmMain"), services_(services), ctx_(ctx), shell_(shell),
      ui_(layout::buildMainLayout(*this)) {
    wireEvents();
}

Control& FrmMain::sideControl(std::string_view base, Side side) {
    return at(sided(base, side));
}

void FrmMain::tell(std::string title, std::string text) {
    services_.messages.show(information(std::move(title), std::move(text)));
}

void FrmMain::wireEvents() {
    onLoad([this] { loadScreen(); });
    onCloseRequest([this](CloseSource source) {
        // A close from the program's own code is refused; the user's close box and the window
        // system's log-off or shut-down both end the program, so neither is ever blocked.
        if (source == CloseSource::Program) {
            return CloseReply::Refuse;
        }
        ExitApplication();
        return CloseReply::Close;
    });

    const auto clear = [this](Control&) { ClearResults(); };
    const auto clearOnEntryChange = [this](Control& c) { clearResultsOnEntryChange(c); };
    for (const std::string_view name : {"txtDBSupplyOn", "txtDBExtractOn"}) {
        on(name, Event::Change, [this](Control&) {
            ClearResults();
            ShowDuctColours();
        });
    }
    for (const std::string_view name : {"txtAirVolSupply", "txtAirVolExtract", "txtGlycol"}) {
        on(name, Event::Change, clear);
    }
    on("cmbGlycolSelect", Event::Click, clear);
    // The target fields are results in some modes, so only an entry's change clears.
    for (const std::string_view name : {"txtDBSupplyOff", "txtEffectiveness", "txtDuty"}) {
        on(name, Event::Change, clearOnEntryChange);
    }
    for (const Side side : kBothSides) {
        wireCoilBlock(side);
    }
    for (const std::string_view name : kEnterProof) {
        onKeyPress(name, platform::neutraliseEnter);
    }

    on("cmdCalculate", Event::Click, [this](Control&) { Calculate(); });
    on("cmdCosting", Event::Click, [this](Control&) { shell_.ShowCosting(); });
    on("cmdPrint", Event::Click, [this](Control&) { shell_.ShowSummary(); });
    on("Toolbar1", Event::Click, [this](Control& button) { toolbarClicked(button); });
    on("Timer1", Event::Timer, [this](Control&) { animateSchematic(); });

    on("mnuPrint", Event::Click, [this](Control&) { PrintWindow(); });
    on("mnuExit", Event::Click, [this](Control&) { ExitApplication(); });
    on("mnuSelection", Event::Click, [this](Control&) { SetSelectionMode(); });
    on("mnuRating", Event::Click, [this](Control&) { SetRatingMode(); });
    on("mnuDry", Event::Click, [this](Control&) { SetDryMode(); });
    on("mnuDBOff", Event::Click, [this](Control&) { SetAirOffDBMode(); });
    on("mnuEffectiveness", Event::Click, [this](Control&) { SetEffectivenessMode(); });
    on("mnuDuty", Event::Click, [this](Control&) { SetDutyMode(); });
    on("mnuRACHelp", Event::Click, [this](Control&) { ShowHelp(); });
    on("mnuAbout", Event::Click, [this](Control&) { shell_.ShowAbout(); });
}

void FrmMain::wireCoilBlock(Side side) {
    const auto wire = [&](std::string_view base, Event event, void (FrmMain::*rule)(Side)) {
        on(sided(base, side), event, [this, side, rule](Control&) { (this->*rule)(side); });
    };
    wire("cmbTubeDiameter", Event::Click, &FrmMain::tubeDiameterClicked);
    wire("cmbFinMatType", Event::Click, &FrmMain::finTypeClicked);
    wire("cmbFinDensitySelect", Event::Click, &FrmMain::finDensityModeClicked);
    wire("cmbCircuitTypeSelect", Event::Click, &FrmMain::circuitModeClicked);
    wire("txtTubesHigh", Event::Change, &FrmMain::tubesHighChanged);
    wire("txtTubesHigh", Event::LostFocus, &FrmMain::tubesHighLeft);
    wire("txtFinnedHeight", Event::LostFocus, &FrmMain::finnedHeightLeft);
    wire("txtFluidMaxPD", Event::Change, &FrmMain::maxFluidPDChanged);

    const auto clear = [this](Control&) { ClearResults(); };
    for (const std::string_view base :
         {"txtFinnedHeight", "txtFinnedLength", "txtNumberSections"}) {
        on(sided(base, side), Event::Change, clear);
    }
    // Calculate writes the chosen fin density and circuit type into these lists, and rows in
    // Selection mode are results: only an entry's change clears.
    const auto clearOnEntryChange = [this](Control& c) { clearResultsOnEntryChange(c); };
    on(sided("cmbFinDensity", side), Event::Click, clearOnEntryChange);
    on(sided("cmbCircuitType", side), Event::Click, clearOnEntryChange);
    on(sided("cmbCircuitType", side), Event::Change, clearOnEntryChange);
    on(sided("txtNumberRows", side), Event::Change, clearOnEntryChange);
    for (const std::string_view base : kSideEnterProof) {
        onKeyPress(sided(base, side), platform::neutraliseEnter);
    }
}

void FrmMain::toolbarClicked(const Control& button) {
    switch (button.index().value_or(0)) {
    case layout::kToolSelection:
        SetSelectionMode();
        break;
    case layout::kToolRating:
        SetRatingMode();
        break;
    case layout::kToolDry:
    case layout::kToolWet:
        SetDryMode();
        break;
    case layout::kToolAirOffDB:
        SetAirOffDBMode();
        break;
    case layout::kToolEffectiveness:
        SetEffectivenessMode();
        break;
    case layout::kToolDuty:
        SetDutyMode();
        break;
    case layout::kToolCalculate:
        ui_.calculateButton.press();
        break;
    case layout::kToolCosting:
        ui_.costingButton.press();
        break;
    case layout::kToolPrintSummary:
        ui_.printButton.press();
        break;
    case layout::kToolExit:
        ExitApplication();
        break;
    case layout::kToolHelp:
        ShowHelp();
        break;
    default: // a separator
        break;
    }
}

void FrmMain::ExitApplication() {
    shell_.ExitApplication();
}

void FrmMain::PrintWindow() {
    // The printer reports a failure by its answer; the command ends either way, without a word.
    services_.printer.printWindow(*this);
}

void FrmMain::ShowHelp() {
    services_.help.show(platform::helpContents(std::string(kHelpFile)));
}

} // namespace rac::mainscreen
