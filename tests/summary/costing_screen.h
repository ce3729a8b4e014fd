#pragma once

#include "mainscreen/side_names.h"
#include "platform/form.h"

#include <algorithm>
#include <string>
#include <string_view>

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

} // namespace rac::summary::testing_support
