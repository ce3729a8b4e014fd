// Runs the selection the main screen offers at start-up, without a window, and prints what the
// screen would show.
#include "calculation/selection_rating.h"
#include "calculation/startup_request.h"
#include "foundation/numbers.h"

#include <iostream>

namespace {

using rac::numbers::format;
using rac::numbers::Pattern;

void printCoil(const char* name, const rac::calculation::RunAroundCoil& coil) {
    std::cout << name << " coil\n"
              << "  coil code            " << coil.CoilCode << "\n"
              << "  rows                 " << coil.NumberRows << "\n"
              << "  fin density (FPI)    " << format(coil.SelectedFinDensity, Pattern::Whole)
              << "\n"
              << "  circuit type         " << coil.SelectedCircuitType << "\n"
              << "  face velocity (m/s)  " << format(coil.AirVel, Pattern::TwoDecimals) << "\n"
              << "  air PD (Pa)          " << format(coil.AirPD, Pattern::OneDecimal) << "\n"
              << "  fluid PD (kPa)       " << format(coil.ActualFluidPD, Pattern::OneDecimal)
              << "\n"
              << "  connection size      " << coil.ConnectionSize << "\n";
}

} // namespace

int main() {
    rac::RecordingMessageSink messages;
    rac::calculation::CalcState state;
    rac::calculation::CalcContext ctx(messages, state);
    ctx.data = rac::calculation::StartupRequest();
    rac::calculation::SelectRunAround(ctx, rac::calculation::Target::AirOffDB);

    for (const auto& message : messages.shown()) {
        std::cout << "[" << message.title << "] " << message.text << "\n";
    }
    if (ctx.CalcAbort) {
        std::cout << "Calculation stopped.\n";
        return 1;
    }
    const auto& data = ctx.data;
    std::cout << "ZYL RAC start-up selection (Selection, Air Off DB)\n"
              << "  supply air   " << format(data.DBSupplyOn, Pattern::OneDecimal) << " -> "
              << format(data.DBSupplyOff, Pattern::OneDecimal) << " C\n"
              << "  extract air  " << format(data.DBExtractOn, Pattern::OneDecimal) << " -> "
              << format(data.DBExtractOff, Pattern::OneDecimal) << " C\n"
              << "  effectiveness " << format(data.Effectiveness * 100.0, Pattern::Whole) << " %\n"
              << "  duty          " << format(std::abs(data.Duty), Pattern::Whole) << " kW\n"
              << "  fluid T1/T2   " << format(data.FluidT1, Pattern::OneDecimal) << " / "
              << format(data.FluidT2, Pattern::OneDecimal) << " C\n"
              << "  fluid flow    " << format(data.FluidFlowRate, Pattern::OneDecimal) << " l/s\n";
    printCoil("Supply", data.Supply);
    // The screen shows the supply coil's connection size for both coils of the loop.
    auto extract = data.Extract;
    extract.ConnectionSize = data.Supply.ConnectionSize;
    printCoil("Extract", extract);
    return 0;
}
