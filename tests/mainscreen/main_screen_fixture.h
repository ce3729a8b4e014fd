#pragma once

#include "mainscreen/application.h"
#include "mainscreen/frm_main.h"
#include "platform/services.h"
#include "platform/user_actions.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace rac::mainscreen::testing_support {

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
    const platform::Message& lastMessage() const { return services.messages.shown().back(); }

    platform::RecordingServices services;
    Application app{services.services()};
    FrmMain& main = app.frmMain();
};

} // namespace rac::mainscreen::testing_support
