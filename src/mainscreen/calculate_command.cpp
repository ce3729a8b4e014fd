#include "calculation/selection_rating.h"
#include "foundation/numbers.h"
#include "mainscreen/frm_main.h"
#include "mainscreen/option_lists.h"
#include "mainscreen/side_names.h"

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
    ui_.costingButton.setEnabled(true);
    ui_.costingTool.setEnabled(true);
    ui_.printButton.setEnabled(true);
    ui_.printSummaryTool.setEnabled(true);
}

// The request the mode uses; fields the mode does not use keep the values of an earlier
// calculation. Reading has no effect on the screen, so the order does not matter.
void FrmMain::readRequest() {
    const auto number = [](const platform::Control& field) {
        return numbers::store(numbers::leadingNumber(field.text()));
    };
    const auto count = [](const platform::Control& field) {
        return numbers::toCount(numbers::leadingNumber(field.text()));
    };
    calculation::RunAroundData& data = ctx_.data;
    const bool selection = selectionMode();
    data.DBSupplyOn = number(ui_.dbSupplyOn);
    if (selection) {
        data.DBSupplyOff = number(ui_.dbSupplyOff);
    }
    data.DBExtractOn = number(ui_.dbExtractOn);
    if (selection && target() == Target::Duty) {
        data.Duty = number(ui_.duty);
    }
    if (selection && target() == Target::Effectiveness) {
        data.Effectiveness = number(ui_.effectiveness); // a percentage here
    }
    data.AirVolSupply = number(block(Side::Supply).airVolume);
    data.AirVolExtract = number(block(Side::Extract).airVolume);
    for (const Side side : kBothSides) {
        const CoilBlock& fields = block(side);
        calculation::RunAroundCoil& request = data.coil(side);
        request.FinMatType = fields.finMatType.text();
        request.TubeDiameter = fields.tubeDiameter.text();
        request.TubesHigh = count(fields.tubesHigh);
        request.FinnedHeight = number(fields.finnedHeight);
        request.FinnedLength = number(fields.finnedLength);
        request.NumberSections = count(fields.numberSections);
        if (!selection) {
            request.NumberRows = count(fields.numberRows);
        }
        request.FinDensitySelect = fields.finDensitySelect.text();
        if (request.FinDensitySelect != kOptimise) {
            request.FinDensity = number(fields.finDensity);
        }
        request.CircuitTypeSelect = fields.circuitTypeSelect.text();
        if (request.CircuitTypeSelect != kOptimise) {
            request.CircuitType = fields.circuitType.text();
        }
        if (request.CircuitTypeSelect == kNumber) {
            request.CircuitNumber = count(fields.circuitType);
        }
        request.FluidMaxPD = number(fields.fluidMaxPD);
    }
    data.GlycolSelect = ui_.glycolSelect.text();
    data.GlycolPercent = number(ui_.glycol);
}

} // namespace rac::mainscreen
