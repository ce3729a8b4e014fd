#pragma once

#include "mainscreen/main_screen_fixture.h"
#include "mainscreen/side_names.h"
#include "platform/clock.h"
#include "platform/form.h"
#include "summary/sections.h"
#include "summary/summary_document.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace rac::summary {

inline void PrintTo(const SummaryLine& line, std::ostream* out) {
    *out << '{' << ::testing::PrintToString(line.label) << ", "
         << ::testing::PrintToString(line.value) << ", " << ::testing::PrintToString(line.unit)
         << '}';
}

} // namespace rac::summary

namespace rac::summary::testing_support {

using platform::ControlKind;

// A costing screen with just the controls the summary reads, as a costing of the start-up pair
// leaves it: standard casings, the supply coil without a drain pan, design payback in the UK.
class CostingScreen {
  public:
    CostingScreen() {
        addControls();
        for (const coil::CoilSide side : mainscreen::kBothSides) {
            const auto name = [side](std::string_view base) {
                return mainscreen::sided(base, side);
            };
            const bool supply = side == coil::CoilSide::Supply;
            choose(name("cmbCasingStyle"), "Standard");
            choose(name("cmbCasingMaterial"), "16g galv");
            choose(name("cmbDrainpan"), supply ? "None" : "Standard Flat");
            choose(name("cmbDrainpanMaterial"), supply ? "N/A" : "16g galv");
            choose(name("cmbBrazeMat"), "Phos 0");
            set(name("txtCasingDepth"), "150");
            set(name("txtTotalWeight"), supply ? "312" : "318");
            set(name("txtInternalVolume"), "41.6");
            set(name("txtSellPrice"), supply ? "2650" : "2710");
            tick(name("chkVentDrain"));
        }
        choose("cmbCountry", "United Kingdom");
        set("txtExchangeRate", "1");
        set("txtEnergyCost", "0.03");
        set("txtAnnualRunHours", "3000");
        set("txtSelectedBinCountry", "United Kingdom - London");
        form.at("txtSelectedBinCountry").setVisible(false);
        form.at("optPaybackDesign").setValue(1);
        set("txtAnnualEnergySaving", "90000");
        set("txtAnnualEnergyCostSaving", "2700");
        set("txtPayBackCost", "24");
        set("txtTotalRACWeight", "630");
        set("txtTotalRACInternalVolume", "83.2");
        set("txtTotalRACExWorksPriceSterling", "5360");
        set("txtTotalRACExWorksPriceForeign", "5360");
    }

    // A list showing the item, which is added when the list lacks it.
    void choose(std::string_view list, std::string_view item) {
        auto& control = form.at(list);
        if (std::find(control.items().begin(), control.items().end(), item) ==
            control.items().end()) {
            control.addItem(std::string(item));
        }
        control.setText(item);
    }
    void set(std::string_view box, std::string_view text) { form.at(box).setText(text); }
    void tick(std::string_view control, bool ticked = true) {
        form.at(control).setValue(ticked ? 1 : 0);
    }

    platform::Form form{"frmCosting"};

  private:
    void addControls() {
        for (const coil::CoilSide side : mainscreen::kBothSides) {
            const auto add = [&](ControlKind kind, std::string_view base,
                                 std::string_view frame = {}) {
                form.add(kind, mainscreen::sided(base, side),
                         frame.empty() ? "" : mainscreen::sided(frame, side));
            };
            for (const std::string_view list :
                 {"cmbCasingStyle", "cmbCasingMaterial", "cmbDrainpan", "cmbDrainpanMaterial",
                  "cmbBrazeMat"}) {
                add(ControlKind::List, list);
            }
            for (const std::string_view box :
                 {"txtCasingDepth", "txtTotalWeight", "txtInternalVolume", "txtSellPrice"}) {
                add(ControlKind::TextBox, box);
            }
            for (const std::string_view option :
                 {"chkEliminators", "chkStiffeners", "chkNutserts", "chkGAM", "chkThickTube",
                  "chkVentDrain", "chkTestPoints", "chkBlygold", "chkETAM",
                  "chkPreTinnedCopperFins", "chkConnectionFlanges"}) {
                add(ControlKind::CheckBox, option);
            }
            // Each side's flange kinds are a group of their own.
            add(ControlKind::Frame, "fraFlanges");
            add(ControlKind::OptionButton, "optWelded", "fraFlanges");
            add(ControlKind::OptionButton, "optScrewed", "fraFlanges");
        }
        form.add(ControlKind::List, "cmbCountry");
        for (const std::string_view box :
             {"txtExchangeRate", "txtEnergyCost", "txtAnnualRunHours", "txtSelectedBinCountry",
              "txtAnnualEnergySaving", "txtAnnualEnergyCostSaving", "txtPayBackCost",
              "txtTotalRACWeight", "txtTotalRACInternalVolume", "txtTotalRACExWorksPriceSterling",
              "txtTotalRACExWorksPriceForeign"}) {
            form.add(ControlKind::TextBox, box);
        }
        form.add(ControlKind::OptionButton, "optPaybackDesign");
        form.add(ControlKind::OptionButton, "optBinPayback");
    }
};

// The main screen after start-up and its costing screen, summarised.
class Summary : public mainscreen::testing_support::MainScreen {
  protected:
    LineTable table(bool costingDone = true) const {
        return buildSummaryTable({main, &costing.form, costingDone, clock});
    }

    // The lines of the costing part: after the "COSTING" heading and its empty line, up to the
    // closing rule.
    static std::vector<SummaryLine> costingLines(const LineTable& table) {
        std::vector<SummaryLine> lines;
        for (int row = 58; row < table.used() && table.row(row).label != rule(); ++row) {
            lines.push_back(table.row(row));
        }
        return lines;
    }

    // The lines under a heading, up to the empty line that ends its block.
    static std::vector<SummaryLine> block(const LineTable& table, std::string_view heading) {
        const std::vector<SummaryLine> lines = costingLines(table);
        auto at = std::find_if(lines.begin(), lines.end(),
                               [&](const SummaryLine& line) { return line.label == heading; });
        EXPECT_NE(at, lines.end()) << heading;
        std::vector<SummaryLine> found;
        for (++at; at < lines.end() && *at != SummaryLine{}; ++at) {
            found.push_back(*at);
        }
        return found;
    }

    static std::vector<std::string> labels(const std::vector<SummaryLine>& lines) {
        std::vector<std::string> out;
        for (const SummaryLine& line : lines) {
            out.push_back(line.label);
        }
        return out;
    }

    CostingScreen costing;
    platform::ClockReading clock{"2024-03-05", "14:07"};
};

} // namespace rac::summary::testing_support
