#include "calculation/selection_rating.h"
#include "mainscreen/frm_main.h"
#include "mainscreen/main_layout.h"
#include "mainscreen/option_lists.h"
#include "mainscreen/side_names.h"
#include "platform/numbers.h"

namespace rac::mainscreen {

using calculation::Target;
using platform::MousePointer;

void FrmMain::Calculate() {
    setMousePointer(MousePointer::Wait);
    services_.events.processPendingEvents();
    ctx_.CalcAbort = false;
    ValidateInputs();
    if (ctx_.CalcAbort) {
        // The message is shown; the results on the screen stay as they were.
        setMousePointer(MousePointer::Normal);
        return;
    }
    readRequest();
    // Dry operation is the only one there is, and it is always checked.
    if (selectionMode()) {
        calculation::SelectRunAround(ctx_, target());
    } else {
        calculation::RateRunAround(ctx_);
    }
    if (ctx_.CalcAbort) {
        // The engine has shown why it stopped.
        setMousePointer(MousePointer::Normal);
        ClearResults();
        return;
    }
    showResults();
    setMousePointer(MousePointer::Normal);
    at("cmdCosting").setEnabled(true);
    at("Toolbar1", layout::kToolCosting).setEnabled(true);
    at("cmdPrint").setEnabled(true);
    at("Toolbar1", layout::kToolPrintSummary).setEnabled(true);
}

// The request the mode uses; fields the mode does not use keep the values of an earlier
// calculation. Reading has no effect on the screen, so the order does not matter.
void FrmMain::readRequest() {
    const auto number = [this](const std::string& name) {
        return numbers::store(numbers::leadingNumber(at(name).text()));
    };
    const auto count = [this](const std::string& name) {
        return numbers::toCount(numbers::leadingNumber(at(name).text()));
    };
    calculation::RunAroundData& data = ctx_.data;
    const bool selection = selectionMode();
    data.DBSupplyOn = number("txtDBSupplyOn");
    if (selection) {
        data.DBSupplyOff = number("txtDBSupplyOff");
    }
    data.DBExtractOn = number("txtDBExtractOn");
    if (selection && target() == Target::Duty) {
        data.Duty = number("txtDuty");
    }
    if (selection && target() == Target::Effectiveness) {
        data.Effectiveness = number("txtEffectiveness"); // a percentage here
    }
    data.AirVolSupply = number("txtAirVolSupply");
    data.AirVolExtract = number("txtAirVolExtract");
    for (const Side side : kBothSides) {
        calculation::RunAroundCoil& request = data.coil(side);
        request.FinMatType = sideControl("cmbFinMatType", side).text();
        request.TubeDiameter = sideControl("cmbTubeDiameter", side).text();
        request.TubesHigh = count(sided("txtTubesHigh", side));
        request.FinnedHeight = number(sided("txtFinnedHeight", side));
        request.FinnedLength = number(sided("txtFinnedLength", side));
        request.NumberSections = count(sided("txtNumberSections", side));
        if (!selection) {
            request.NumberRows = count(sided("txtNumberRows", side));
        }
        request.FinDensitySelect = sideControl("cmbFinDensitySelect", side).text();
        if (request.FinDensitySelect != kOptimise) {
            request.FinDensity = number(sided("cmbFinDensity", side));
        }
        request.CircuitTypeSelect = sideControl("cmbCircuitTypeSelect", side).text();
        if (request.CircuitTypeSelect != kOptimise) {
            request.CircuitType = sideControl("cmbCircuitType", side).text();
        }
        if (request.CircuitTypeSelect == kNumber) {
            request.CircuitNumber = count(sided("cmbCircuitType", side));
        }
        request.FluidMaxPD = number(sided("txtFluidMaxPD", side));
    }
    data.GlycolSelect = at("cmbGlycolSelect").text();
    data.GlycolPercent = number("txtGlycol");
}

} // namespace rac::mainscreen
