#pragma once

#include "mainscreen/calculate_results.h"
#include "mainscreen/frm_main.h"
#include "mainscreen/main_layout.h"
#include "platform/services.h"
#include "platform/user_actions.h"
#include "program/application.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace rac::mainscreen::testing_support {

// The two looks of a field: an entry is white, black-lettered and editable; a result the reverse.
inline bool isEntry(const platform::Control& c) {
    return c.backColour() == platform::white && c.foreColour() == platform::black && !c.locked();
}
inline bool isResult(const platform::Control& c) {
    return c.backColour() == platform::black && c.foreColour() == platform::white && c.locked();
}

// The application as after start-up, with every service recorded.
class MainScreen : public ::testing::Test {
  protected:
    MainScreen() { app.start(); }

    const std::string& text(std::string_view control) { return main.at(control).text(); }
    platform::Control& control(std::string_view name) { return main.at(name); }

    // A user's edit of a whole entry, then leaving it, as a user tabbing through does.
    void enter(std::string_view field, std::string_view value) {
        ASSERT_TRUE(platform::user::set(main, field, value)) << field;
        platform::user::leave(main, field);
    }
    void pick(std::string_view list, std::string_view item) {
        ASSERT_TRUE(platform::user::pick(main, list, item)) << list << " " << item;
    }
    void choose(std::string_view menuEntry) {
        ASSERT_TRUE(platform::user::click(main, menuEntry)) << menuEntry;
    }
    void calculate() { ASSERT_TRUE(platform::user::click(main, "cmdCalculate")); }

    std::vector<std::string> titles() const {
        std::vector<std::string> out;
        for (const auto& message : services.messages.shown()) {
            out.push_back(message.title);
        }
        return out;
    }
    const Message& lastMessage() const { return services.messages.shown().back(); }

    // Every calculated result is blank and the costing waits for a new calculation. The target
    // fields, rows and the lists the selection fills depend on the mode and are checked apart.
    ::testing::AssertionResult resultsCleared() {
        for (const std::string_view name : CalculateResultControls()) {
            if (name != "txtDBSupplyOff" && name != "txtEffectiveness" && name != "txtDuty" &&
                !name.starts_with("cmb") && !name.starts_with("txtNumberRows") &&
                !text(name).empty()) {
                return ::testing::AssertionFailure() << name << " shows \"" << text(name) << '"';
            }
        }
        if (control("cmdCosting").enabled() ||
            main.at("Toolbar1", layout::kToolCosting).enabled()) {
            return ::testing::AssertionFailure() << "the costing is enabled";
        }
        return ::testing::AssertionSuccess();
    }

    platform::RecordingServices services;
    program::Application app{services.services()};
    FrmMain& main = app.form<FrmMain>();
};

} // namespace rac::mainscreen::testing_support
