#include "test_program.h"

#include "cli/calculate_request.h"
#include "mainscreen/calculate_results.h"
#include "platform/numbers.h"

#include <map>

namespace rac::cli::testing_support {

namespace {

using platform::Control;
using platform::ControlKind;
using platform::Event;
using platform::Form;

const std::vector<std::string> targets{"txtDBSupplyOff", "txtEffectiveness", "txtDuty"};
const std::vector<std::string> targetMenus{"mnuDBOff", "mnuEffectiveness", "mnuDuty"};

class TestProgram final : public Program {
  public:
    TestProgram(platform::Services services, std::vector<std::string>& log)
        : services_(services), log_(log) {
        buildMain();
        buildTools();
        main_.show();
        tools_.show();
    }

    Form* form(std::string_view name) override {
        for (Form* form : {&main_, &tools_, &hidden_}) {
            if (form->name() == name) {
                return form;
            }
        }
        return nullptr;
    }

  private:
    void buildMain() {
        main_.add(ControlKind::MenuEntry, "mnuMode");
        main_.add(ControlKind::MenuEntry, "mnuSelection", "mnuMode").setChecked(true);
        main_.add(ControlKind::MenuEntry, "mnuRating", "mnuMode");
        main_.add(ControlKind::MenuEntry, "mnuDBEffDuty", "mnuMode");
        for (const auto& menu : targetMenus) {
            main_.add(ControlKind::MenuEntry, menu, "mnuDBEffDuty");
        }
        main_.at("mnuDBOff").setChecked(true);
        for (const std::string& name : CalculateInputOrder()) {
            addEntry(name);
        }
        for (const std::string_view name : mainscreen::CalculateResultControls()) {
            if (main_.find(name) == nullptr) {
                main_.add(ControlKind::TextBox, name).setLocked(true);
            }
        }
        main_.at("txtEffectiveness").setLocked(true);
        main_.at("txtDuty").setLocked(true);
        main_.add(ControlKind::CommandButton, "cmdCalculate");
        main_.add(ControlKind::CommandButton, "cmdCosting").setEnabled(false);
        main_.on("cmdCalculate", Event::Click, [this](Control&) { calculate(); });
        main_.on("mnuRating", Event::Click, [this](Control&) { setRating(true); });
        main_.on("mnuSelection", Event::Click, [this](Control&) { setRating(false); });
        for (std::size_t i = 0; i < targets.size(); ++i) {
            main_.on(targetMenus[i], Event::Click, [this, i](Control&) { setTarget(i); });
        }
    }

    void addEntry(const std::string& name) {
        const bool select = name.starts_with("cmbCircuitTypeSelect");
        const bool circuit = name.starts_with("cmbCircuitType") && !select;
        const ControlKind kind = circuit                   ? ControlKind::EditableList
                                 : name.starts_with("cmb") ? ControlKind::List
                                                           : ControlKind::TextBox;
        Control& entry = main_.add(kind, name);
        if (select) {
            entry.addItems({"Optimise", "Fixed", "Number"});
        } else if (kind == ControlKind::List) {
            entry.addItems({"A", "B"});
        }
        entry.setLocked(circuit);
        const std::map<std::string, std::string> initialTexts{
            {"txtDBSupplyOn", "0"}, {"txtDBSupplyOff", "10"}, {"txtDBExtractOn", "20"}};
        if (const auto initial = initialTexts.find(name); initial != initialTexts.end()) {
            entry.setText(initial->second);
        }
        const Event event = kind == ControlKind::TextBox ? Event::Change : Event::Click;
        main_.on(name, event, [this, event, name, select](Control& control) {
            log_.push_back((event == Event::Change ? "Change " : "Click ") + name + " " +
                           control.text());
            main_.at("cmdCosting").setEnabled(false);
            if (select) {
                setCircuitMode(main_.at("cmbCircuitType" + name.substr(20)), control.text());
            }
        });
        if (name.starts_with("txtTubesHigh")) {
            main_.on(name, Event::LostFocus, [this](Control& box) {
                if (!numbers::isNumber(box.text())) {
                    services_.messages.show(platform::information(
                        "Number of Tubes High Non-Numeric", "must be a numeric value."));
                    main_.setFocus(box);
                }
            });
        }
        if (circuit) {
            main_.onKeyPress(name, [this, name](Control&, char32_t& key) {
                log_.push_back("KeyPress " + name + " " + std::to_string(key));
            });
        }
    }

    void setCircuitMode(Control& circuit, const std::string& mode) {
        circuit.clearItems();
        circuit.setLocked(mode == "Optimise");
        if (mode == "Fixed") {
            circuit.addItems({"1B", "H"});
            circuit.setListIndex(0);
        } else if (mode == "Number") {
            circuit.setText("1");
        }
    }

    void setRating(bool rating) {
        main_.at("mnuRating").setChecked(rating);
        main_.at("mnuSelection").setChecked(!rating);
        main_.at("mnuDBEffDuty").setEnabled(!rating);
    }

    void setTarget(std::size_t chosen) {
        for (std::size_t i = 0; i < targets.size(); ++i) {
            main_.at(targetMenus[i]).setChecked(i == chosen);
            main_.at(targets[i]).setText("");
            main_.at(targets[i]).setLocked(i != chosen);
        }
        main_.setFocus(main_.at(targets[chosen]));
    }

    void calculate() {
        log_.push_back("Calculate");
        const Control& supplyOn = main_.at("txtDBSupplyOn");
        if (!numbers::isNumber(supplyOn.text())) {
            services_.messages.show(platform::information(
                "Non-Numeric Value", "The supply air on dry bulb temperature must be numeric."));
            main_.setFocus(main_.at("txtDBSupplyOn"));
            return;
        }
        if (supplyOn.text() == main_.at("txtDBExtractOn").text()) {
            services_.messages.show(platform::information("Inputs Not Compatible", "equal"));
            return;
        }
        if (numbers::leadingNumber(main_.at("txtGlycol").text()) > 100) {
            services_.messages.show(platform::information("Glycol", "stopped"));
            main_.at("txtCoilCodeSupply").setText("");
            main_.at("cmdCosting").setEnabled(false);
            return;
        }
        std::string target;
        for (std::size_t i = 0; i < targets.size(); ++i) {
            if (main_.at(targetMenus[i]).checked()) {
                target = targetMenus[i];
            }
        }
        const bool rating = main_.at("mnuRating").checked();
        main_.at("txtCoilCodeSupply").setText(rating ? "Rating" : "Selection " + target);
        main_.at("txtDBExtractOff").setText("13.3");
        main_.at("cmdCosting").setEnabled(true);
    }

    void buildTools() {
        Control& timer = tools_.add(ControlKind::Timer, "Timer1");
        timer.setInterval(100);
        tools_.on("Timer1", Event::Timer, [this](Control& ticking) {
            tools_.at("StatusBar1(1)").setText("tick " + std::to_string(++ticks_));
            ticking.setEnabled(ticks_ < 3);
        });
        tools_.addElement(ControlKind::ToolbarButton, "Toolbar1", 1).setToolTip("Hello");
        tools_.addElement(ControlKind::ToolbarButton, "Toolbar1", 2).setEnabled(false);
        tools_.on("Toolbar1", Event::Click, [this](Control& button) {
            services_.messages.show(platform::withHelpButton("Toolbar", button.name(), "X.hlp", 7));
        });
        tools_.addElement(ControlKind::StatusPanel, "StatusBar1", 1).setText("Ready");
        tools_.add(ControlKind::CheckBox, "chkOption");
        tools_.add(ControlKind::Frame, "fraChoice");
        tools_.add(ControlKind::OptionButton, "optA", "fraChoice").setValue(1);
        tools_.add(ControlKind::OptionButton, "optB", "fraChoice");
        tools_.addElement(ControlKind::TextBox, "txtBin", 3);
        tools_.add(ControlKind::Label, "lblSaved");
        tools_.add(ControlKind::CommandButton, "cmdSave");
        tools_.on("cmdSave", Event::Click, [this](Control&) {
            const auto path = services_.dialogs.saveFile({"Save", "Rich Text (*.rtf)|*.rtf|", 1});
            tools_.at("lblSaved").setCaption(path.value_or("cancelled"));
        });
        tools_.add(ControlKind::CommandButton, "cmdRemember");
        tools_.on("cmdRemember", Event::Click, [this](Control&) {
            services_.settings.write("PaybackCalc", "Country", tools_.at("txtBin(3)").text());
        });
        tools_.onCloseRequest([](platform::CloseSource) { return platform::CloseReply::Refuse; });
    }

    platform::Services services_;
    std::vector<std::string>& log_;
    Form main_{"frmMain", "Main"};
    Form tools_{"frmTools", "Tools"};
    Form hidden_{"frmHidden", "Hidden"};
    int ticks_ = 0;
};

} // namespace

Launcher testLauncher(std::vector<std::string>& log) {
    return [&log](platform::Services services) {
        return std::make_unique<TestProgram>(services, log);
    };
}

} // namespace rac::cli::testing_support
