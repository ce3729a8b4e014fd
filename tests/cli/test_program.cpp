#include "test_program.h"

#include "cli/command_line.h"
#include "foundation/numbers.h"
#include "mainscreen/calculate_results.h"
#include "selection/calculate_request.h"

#include <sstream>

namespace rac::cli::testing_support {

namespace {

using platform::Control;
using platform::ControlKind;
using platform::Event;
using platform::Form;

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
        main_.add(ControlKind::MenuEntry, "mnuDBOff", "mnuDBEffDuty").setChecked(true);
        main_.add(ControlKind::MenuEntry, "mnuEffectiveness", "mnuDBEffDuty");
        main_.add(ControlKind::MenuEntry, "mnuDuty", "mnuDBEffDuty");
        for (const std::string& name : CalculateInputOrder()) {
            addEntry(name);
        }
        for (const std::string_view name : mainscreen::CalculateResultControls()) {
            if (main_.find(name) == nullptr) {
                main_.add(ControlKind::TextBox, name).setLocked(true);
            }
        }
        main_.add(ControlKind::CommandButton, "cmdCalculate");
        main_.add(ControlKind::CommandButton, "cmdCosting").setEnabled(false);
        main_.on("cmdCalculate", Event::Click, [this](Control&) { calculate(); });
        main_.on("mnuRating", Event::Click, [this](Control&) {
            main_.at("mnuRating").setChecked(true);
            main_.at("mnuSelection").setChecked(false);
            main_.at("mnuDBEffDuty").setEnabled(false);
        });
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
        entry.setLocked(circuit || name == "txtEffectiveness" || name == "txtDuty");
        const Event event = kind == ControlKind::TextBox ? Event::Change : Event::Click;
        main_.on(name, event, [this, event, name, select](Control& control) {
            log_.push_back((event == Event::Change ? "Change " : "Click ") + name + " " +
                           control.text());
            if (select) {
                setCircuitMode(main_.at("cmbCircuitType" + name.substr(20)), control.text());
            }
        });
        if (name.starts_with("txtTubesHigh")) {
            main_.on(name, Event::LostFocus, [this](Control& box) {
                if (!numbers::isNumber(box.text())) {
                    services_.messages.show(information("Number of Tubes High Non-Numeric",
                                                        "must be a numeric value."));
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

    void calculate() {
        log_.push_back("Calculate");
        const bool rating = main_.at("mnuRating").checked();
        main_.at("txtCoilCodeSupply").setText(rating ? "Rating" : "Selection");
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
            services_.messages.show(withHelpButton("Toolbar", button.name(), "X.hlp", 7));
        });
        tools_.addElement(ControlKind::StatusPanel, "StatusBar1", 1).setText("Ready");
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
        tools_.add(ControlKind::RichTextBox, "rtfDocument").setText("Line 1\n°C");
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

CliRun runCli(const std::vector<std::string>& args, const std::string& input,
              const Launcher& launch) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCommandLine(args, in, out, err, launch);
    return {status, out.str(), err.str()};
}

} // namespace rac::cli::testing_support
