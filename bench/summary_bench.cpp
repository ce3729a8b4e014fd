// Time of making the summary the Print command opens: the start-up selection on the main screen
// and a costing with every option ticked, so that the document has all its optional lines.
#include "foundation/rtf_writer.h"
#include "mainscreen/frm_main.h"
#include "platform/services.h"
#include "platform/user_actions.h"
#include "program/application.h"
#include "summary/costing_screen.h"
#include "summary/frm_summary.h"
#include "summary/summary_document.h"

#include <benchmark/benchmark.h>
#include <stdexcept>

namespace rac::summary {
namespace {

class Screens {
  public:
    Screens() {
        app.start();
        if (!platform::user::click(app.form<mainscreen::FrmMain>(), "cmdCalculate") ||
            !services.messages.shown().empty()) {
            throw std::runtime_error("the start-up calculation did not complete");
        }
        for (const coil::CoilSide side : mainscreen::kBothSides) {
            for (const std::string_view option :
                 {"chkEliminators", "chkStiffeners", "chkNutserts", "chkGAM", "chkThickTube",
                  "chkTestPoints", "chkBlygold", "chkETAM", "chkPreTinnedCopperFins",
                  "chkConnectionFlanges", "optWelded"}) {
                costing.form.at(mainscreen::sided(option, side)).setValue(1);
            }
            costing.choose(mainscreen::sided("cmbDrainpan", side), "Sloping");
        }
    }

    SummarySources sources() {
        return {app.form<mainscreen::FrmMain>(), &costing.form, true, {"2024-03-05", "14:07"}};
    }

  private:
    platform::RecordingServices services;
    program::Application app{services.services()};
    testing_support::CostingScreen costing;
};

void SummaryText(benchmark::State& state) {
    Screens screens;
    const SummarySources sources = screens.sources();
    for (auto _ : state) {
        benchmark::DoNotOptimize(summaryText(sources));
    }
}

void SummaryRichText(benchmark::State& state) {
    Screens screens;
    const std::string text = summaryText(screens.sources());
    for (auto _ : state) {
        benchmark::DoNotOptimize(rtfOfPlainText(text));
    }
    state.counters["text_bytes"] = static_cast<double>(text.size());
    state.counters["rtf_bytes"] = static_cast<double>(rtfOfPlainText(text).size());
}

void SummaryTextAndRichText(benchmark::State& state) {
    Screens screens;
    const SummarySources sources = screens.sources();
    for (auto _ : state) {
        benchmark::DoNotOptimize(rtfOfPlainText(summaryText(sources)));
    }
}

// What the Print button does before any window is drawn: the summary form loads and builds its
// document from the main screen (no costing screen is loaded), then Close unloads it.
void OpenAndCloseSummary(benchmark::State& state) {
    platform::RecordingServices services;
    program::Application app{services.services()};
    app.start();
    auto& main = app.form<mainscreen::FrmMain>();
    if (!platform::user::click(main, "cmdCalculate")) {
        throw std::runtime_error("the start-up calculation did not complete");
    }
    auto& summary = app.form<FrmSummary>();
    for (auto _ : state) {
        if (!platform::user::click(main, "cmdPrint") ||
            !platform::user::click(summary, "cmdclose")) {
            throw std::runtime_error("the summary did not open and close");
        }
    }
}

BENCHMARK(SummaryText)->Unit(benchmark::kMicrosecond);
BENCHMARK(SummaryRichText)->Unit(benchmark::kMicrosecond);
BENCHMARK(SummaryTextAndRichText)->Unit(benchmark::kMicrosecond);
BENCHMARK(OpenAndCloseSummary)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace rac::summary
