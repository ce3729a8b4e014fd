// The Additional Information password and what it reveals. A remembered password opening the
// window again without typing is in the password_session transcript; Enter in the box, on the
// desktop in the gui tests.
#include "costing_fixture.h"

#include <string>

namespace rac::costing::testing_support {
namespace {

class Password : public CostingScreen {
  protected:
    void openPassword() { clickOn("mnuAdditionalInformation"); }
    void typePassword(std::string_view text) {
        ASSERT_TRUE(user::set(password, "txtPassword", text));
    }
    void pressOK() { ASSERT_TRUE(user::click(password, "cmdOK")); }
    bool revealed() {
        return field("cmdCostingBreakdown").visible() && field("chkGrossMargin").visible() &&
               field("txtGrossMargin").visible();
    }
    // Nothing of the password reaches the settings store.
    void expectNothingStored() {
        for (const auto& [key, text] : services.settings.entries()) {
            EXPECT_FALSE(key.starts_with("RememberAddInfoPassword")) << key;
            EXPECT_FALSE(key.starts_with("AddInfoPassword")) << key;
            EXPECT_EQ(text.find(kPassword), std::string::npos) << key;
        }
    }
};

TEST_F(Password, WrongThenRightPassword) {
    openPassword();
    EXPECT_TRUE(password.shown());
    EXPECT_EQ(password.title(), "Password");
    for (const char* wrong : {"torvix205917", "TORVIX205917 ", ""}) {
        typePassword(wrong);
        pressOK();
        EXPECT_EQ(lastMessage().title, "Incorrect Password") << wrong;
        EXPECT_EQ(lastMessage().text, "Incorrect Password.");
        EXPECT_TRUE(password.shown());
        EXPECT_FALSE(revealed());
    }
    typePassword(kPassword);
    pressOK();
    EXPECT_EQ(services.messages.shown().size(), 3u);
    EXPECT_FALSE(password.shown());
    EXPECT_TRUE(revealed());
    EXPECT_EQ(shown("txtGrossMargin"), "60");
    EXPECT_TRUE(mainscreen::testing_support::isResult(field("txtGrossMargin")));
    // The password is not kept in the box it was typed into.
    EXPECT_EQ(password.at("txtPassword").text(), "");
    expectNothingStored();
}

TEST_F(Password, CancelHidesTheWindowAndRevealsNothing) {
    openPassword();
    typePassword(kPassword);
    ASSERT_TRUE(user::click(password, "cmdclose"));
    EXPECT_FALSE(password.shown());
    EXPECT_FALSE(revealed());
    EXPECT_TRUE(services.messages.shown().empty());
}

TEST_F(Password, WrongPasswordWithoutRememberForgetsTheRememberedOne) {
    openPassword();
    ASSERT_TRUE(user::click(password, "chkRememberPassword"));
    typePassword(kPassword);
    pressOK();
    openPassword();
    ASSERT_TRUE(user::click(password, "chkRememberPassword")); // unticked
    typePassword("guess");
    pressOK();
    ASSERT_TRUE(user::click(password, "chkRememberPassword")); // ticked again
    typePassword("");
    pressOK();
    EXPECT_EQ(services.messages.shown().size(), 2u);
    EXPECT_TRUE(password.shown());
    expectNothingStored(); // not even while it was remembered
}

// The two remember settings are read when the window first loads, and never written.
TEST(PasswordSettings, RememberedInTheStoreAsTheySay) {
    struct Row {
        const char *remember, *stored;
        bool opens;
    };
    for (const Row& row : {Row{"True", "TORVIX205917", true}, Row{"true", "TORVIX205917", true},
                           Row{"False", "TORVIX205917", false}, Row{"True", "torvix", false}}) {
        SCOPED_TRACE(std::string(row.remember) + " " + row.stored);
        platform::RecordingServices services;
        services.settings.seed("RememberAddInfoPassword/RememberAddInfoPasswordValue",
                               row.remember);
        services.settings.seed("AddInfoPassword/AddInfoPasswordString", row.stored);
        const auto before = services.settings.entries();
        program::Application app(services.services());
        app.start();
        auto& costing = app.form<FrmCosting>();
        costing.Open();
        ASSERT_TRUE(user::click(costing, "mnuAdditionalInformation"));
        auto& window = app.form<FrmPassword>();
        EXPECT_EQ(window.at("chkRememberPassword").value(), row.remember[0] == 'F' ? 0 : 1);
        ASSERT_TRUE(user::click(window, "cmdOK"));
        EXPECT_EQ(costing.at("chkGrossMargin").visible(), row.opens);
        EXPECT_EQ(services.settings.entries(), before);
    }
}

TEST_F(Password, GrossMarginIsTheUsersWhileTicked) {
    grantAccess();
    clickOn("chkGrossMargin");
    EXPECT_TRUE(mainscreen::testing_support::isEntry(field("txtGrossMargin")));
    enterOn("txtGrossMargin", "50");
    costIt();
    EXPECT_EQ(shown("txtSellPriceSupply"), "835"); // 417.29 at 50 %
    clickOn("chkGrossMargin");
    EXPECT_TRUE(mainscreen::testing_support::isResult(field("txtGrossMargin")));
    EXPECT_EQ(shown("txtGrossMargin"), "60");
    EXPECT_TRUE(outputsCleared(costing));
}

} // namespace
} // namespace rac::costing::testing_support
