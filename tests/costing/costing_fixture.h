#pragma once

#include "costing/frm_costing.h"
#include "costing/frm_costing_breakdown.h"
#include "costing/frm_password.h"
#include "mainscreen/main_screen_fixture.h"

#include <optional>
#include <string>
#include <string_view>

namespace rac::costing::testing_support {

using mainscreen::testing_support::MainScreen;
namespace user = platform::user;

inline constexpr std::string_view kPassword = "TORVIX205917";

// What the costing screen reads of one coil on the main screen when it opens; a field left out
// keeps what the calculation showed.
struct MainCoil {
    std::optional<std::string> finType{};
    std::optional<std::string> tubesHigh{};
    std::optional<std::string> finnedLength{};
    std::optional<std::string> sections{};
    std::optional<std::string> rows{};
    std::optional<std::string> finDensity{};
    std::optional<std::string> circuitType{};
    std::optional<std::string>
        fluid{}; // txtFluidT1 for the supply coil, txtFluidT2 for the extract
    std::optional<std::string> connectionSize{};
};

// The start-up request calculated (both coils 8 rows of 26 x "12mm" at 10 FPI, "H", "1¼ inch"
// connections, the loop at 6.7 and 13.3 C, supply air on 0 C and extract air on 20 C) and its
// costing screen opened from the Costing button, with no message shown yet.
class CostingScreen : public MainScreen {
  protected:
    void SetUp() override {
        calculate();
        ASSERT_TRUE(user::click(main, "cmdCosting"));
        ASSERT_TRUE(costing.shown());
        services.messages.clear();
    }

    const std::string& shown(std::string_view name) const { return costing.at(name).text(); }
    platform::Control& field(std::string_view name) { return costing.at(name); }

    void pickOn(std::string_view list, std::string_view item) {
        ASSERT_TRUE(user::pick(costing, list, item)) << list << " " << item;
    }
    // A casing style is picked and left: its rule runs on leaving the box.
    void pickStyle(std::string_view list, std::string_view item) {
        pickOn(list, item);
        ASSERT_TRUE(user::leave(costing, list));
    }
    void clickOn(std::string_view control) {
        ASSERT_TRUE(user::click(costing, control)) << control;
    }
    // A user's edit of the whole text, then leaving the box.
    void enterOn(std::string_view box, std::string_view text) {
        ASSERT_TRUE(user::set(costing, box, text)) << box;
        user::leave(costing, box);
    }
    void costIt() { clickOn("cmdCalculateCost"); }

    // Closes the costing, shows the coil on the main screen as given, and opens the costing
    // again on it: the screen's load reads what the main screen shows.
    void reopenOn(coil::CoilSide side, const MainCoil& coil);

    // The Additional Information password given and accepted.
    void grantAccess() {
        clickOn("mnuAdditionalInformation");
        ASSERT_TRUE(user::set(password, "txtPassword", kPassword));
        ASSERT_TRUE(user::click(password, "cmdOK"));
        ASSERT_TRUE(costing.at("chkGrossMargin").visible());
    }

    FrmCosting& costing = app.form<FrmCosting>();
    FrmCostingBreakdown& breakdown = app.form<FrmCostingBreakdown>();
    FrmPassword& password = app.form<FrmPassword>();
};

// Every costing result a Calculate writes is blank and printing is withdrawn.
::testing::AssertionResult outputsCleared(const platform::Form& costing);

} // namespace rac::costing::testing_support
