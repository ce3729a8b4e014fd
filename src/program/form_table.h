#pragma once

#include "costing/frm_costing.h"
#include "costing/frm_costing_breakdown.h"
#include "costing/frm_password.h"
#include "mainscreen/frm_about.h"
#include "mainscreen/frm_main.h"
#include "mainscreen/frm_splash.h"
#include "payback/frm_bin_data_graphics.h"
#include "payback/frm_bin_data_results.h"
#include "payback/frm_bin_graphics.h"
#include "payback/frm_select_bin_data.h"
#include "platform/form.h"
#include "program/program_parts.h"
#include "summary/frm_summary.h"

#include <memory>
#include <string_view>
#include <tuple>

// The desktop window of each form, named here only as a type: the table stays free of any
// window system, and only the desktop, which knows these classes, makes the windows.
namespace rac::gui {
class SplashWindow;
class MainWindow;
class AboutWindow;
class CostingWindow;
class PasswordWindow;
class CostingBreakdownWindow;
class SummaryWindow;
class SelectBinDataWindow;
class BinDataResultsWindow;
class BinChartWindow;
} // namespace rac::gui

namespace rac::program {

// One form of the program: its name, how it is made, and (as Window) how the desktop shows it.
template <typename Window> struct FormEntry {
    using WindowType = Window;
    std::string_view name;
    std::unique_ptr<platform::Form> (*make)(const ProgramParts& parts);
};

// Every form of the program, in the order they are made. Adding a window is one entry here, the
// form itself, its window (src/gui) and its golden rac-cli transcript: the program makes the
// form, keeps its design state, lets it take part in modality and snapshots, and the desktop
// makes its window when it first loads.
inline const auto kForms = std::make_tuple(
    FormEntry<gui::SplashWindow>{"frmSplash",
                                 [](const ProgramParts& p) -> std::unique_ptr<platform::Form> {
                                     return std::make_unique<mainscreen::FrmSplash>(
                                         [&shell = p.shell] { shell.OpenMainFromSplash(); });
                                 }},
    FormEntry<gui::MainWindow>{"frmMain",
                               [](const ProgramParts& p) -> std::unique_ptr<platform::Form> {
                                   return std::make_unique<mainscreen::FrmMain>(p.services, p.calc,
                                                                                p.shell);
                               }},
    FormEntry<gui::SummaryWindow>{"frmSummary",
                                  [](const ProgramParts& p) -> std::unique_ptr<platform::Form> {
                                      return std::make_unique<summary::FrmSummary>(
                                          p.services, p.state.CostingDone, p.shell);
                                  }},
    FormEntry<gui::AboutWindow>{"frmAbout",
                                [](const ProgramParts& p) -> std::unique_ptr<platform::Form> {
                                    return std::make_unique<mainscreen::FrmAbout>(
                                        p.services.messages, p.systemInfo);
                                }},
    // After frmMain, whose boxes the costing finds when it is made.
    FormEntry<gui::CostingWindow>{"frmCosting",
                                  [](const ProgramParts& p) -> std::unique_ptr<platform::Form> {
                                      return std::make_unique<costing::FrmCosting>(
                                          p.services, p.calc, p.state.costing, p.state.CostingDone,
                                          p.shell);
                                  }},
    FormEntry<gui::PasswordWindow>{"frmPassword",
                                   [](const ProgramParts& p) -> std::unique_ptr<platform::Form> {
                                       return std::make_unique<costing::FrmPassword>(
                                           p.services, p.state.costing.access, p.shell);
                                   }},
    FormEntry<
        gui::CostingBreakdownWindow>{"frmCostingBreakdown",
                                     [](const ProgramParts& p) -> std::unique_ptr<platform::Form> {
                                         return std::make_unique<costing::FrmCostingBreakdown>(
                                             p.services);
                                     }},
    // The bin windows find the costing screen's boxes, and those of the bin windows before them,
    // when they are made.
    FormEntry<gui::SelectBinDataWindow>{"frmSelectBinData",
                                        [](const ProgramParts& p)
                                            -> std::unique_ptr<platform::Form> {
                                            return std::make_unique<payback::FrmSelectBinData>(
                                                p.services, p.state.bins, p.shell);
                                        }},
    FormEntry<gui::BinDataResultsWindow>{"frmBinDataResults",
                                         [](const ProgramParts& p)
                                             -> std::unique_ptr<platform::Form> {
                                             return std::make_unique<payback::FrmBinDataResults>(
                                                 p.services, p.shell);
                                         }},
    FormEntry<gui::BinChartWindow>{"frmBinDataGraphics",
                                   [](const ProgramParts& p) -> std::unique_ptr<platform::Form> {
                                       return std::make_unique<payback::FrmBinDataGraphics>(
                                           p.services, p.shell);
                                   }},
    FormEntry<gui::BinChartWindow>{
        "frmBinGraphics", [](const ProgramParts& p) -> std::unique_ptr<platform::Form> {
            return std::make_unique<payback::FrmBinGraphics>(p.services, p.shell);
        }});

// Calls visit(entry) for each entry, in order.
template <typename Visit> void forEachFormEntry(Visit&& visit) {
    std::apply([&](const auto&... entry) { (visit(entry), ...); }, kForms);
}

} // namespace rac::program
