// The summary in the running program: opened modal from the main screen, built afresh each time.
#include "costing/costing_layout.h"
#include "costing/frm_costing.h"
#include "mainscreen/main_layout.h"
#include "summary/frm_summary.h"
#include "summary_fixture.h"

namespace rac::summary::testing_support {
namespace {

using mainscreen::testing_support::MainScreen;
using platform::FormState;
namespace user = platform::user;

class OpenSummary : public MainScreen {
  protected:
    OpenSummary() { calculate(); }

    FrmSummary& summary = app.form<FrmSummary>();
    const std::string& document() const { return summary.at("RichTextBox1").text(); }
};

TEST_F(OpenSummary, PrintButtonAndToolbarOpenItModalOverTheMainScreen) {
    using Open = bool (*)(mainscreen::FrmMain&);
    const std::pair<const char*, Open> ways[] = {
        {"Print button", [](mainscreen::FrmMain& m) { return user::click(m, "cmdPrint"); }},
        {"toolbar",
         [](mainscreen::FrmMain& m) {
             return user::pressToolbarButton(m, mainscreen::layout::kToolPrintSummary);
         }},
    };
    for (const auto& [how, open] : ways) {
        ASSERT_TRUE(open(main)) << how;
        EXPECT_EQ(summary.state(), FormState::ShownModal) << how;
        EXPECT_EQ(document(), summaryText({main, nullptr, false, services.clock.now()})) << how;
        EXPECT_FALSE(user::click(main, "cmdCalculate")) << how << ": the main screen waits";
        EXPECT_EQ(main.blockedBy(), &summary);
        ASSERT_TRUE(user::click(summary, "cmdclose")) << how;
        EXPECT_FALSE(summary.loaded()) << how;
        EXPECT_TRUE(main.userCanReach()) << how;
    }
}

TEST_F(OpenSummary, CostingPrintButtonAndToolbarOpenItWithTheCosting) {
    ASSERT_TRUE(user::click(main, "cmdCosting"));
    auto& costing = app.form<costing::FrmCosting>();
    ASSERT_TRUE(user::click(costing, "cmdCalculateCost"));
    using Open = bool (*)(costing::FrmCosting&);
    const std::pair<const char*, Open> ways[] = {
        {"Print button", [](costing::FrmCosting& c) { return user::click(c, "cmdPrint"); }},
        {"toolbar",
         [](costing::FrmCosting& c) {
             return user::pressToolbarButton(c, costing::layout::kToolReport);
         }},
    };
    for (const auto& [how, open] : ways) {
        ASSERT_TRUE(open(costing)) << how;
        EXPECT_EQ(summary.state(), FormState::ShownModal) << how;
        EXPECT_EQ(document(), summaryText({main, &costing, true, services.clock.now()})) << how;
        EXPECT_NE(document().find("Casing Style:"), std::string::npos) << how;
        EXPECT_FALSE(user::click(costing, "cmdCalculateCost")) << how << ": the costing waits";
        ASSERT_TRUE(user::click(summary, "cmdclose")) << how;
        EXPECT_TRUE(costing.userCanReach()) << how;
    }
}

TEST_F(OpenSummary, EachOpeningBuildsAFreshDocument) {
    ASSERT_TRUE(user::click(main, "cmdPrint"));
    ASSERT_TRUE(user::set(summary, "txtComment", "first visit"));
    ASSERT_TRUE(user::click(summary, "cmdAddComment"));
    // The program's own changes to the main screen do not reach an open summary.
    main.SetRatingMode();
    EXPECT_NE(document().find("Selection"), std::string::npos);
    EXPECT_NE(document().find("first visit"), std::string::npos);

    ASSERT_TRUE(user::close(summary)); // the close box, as Close
    ASSERT_TRUE(user::click(main, "cmdCalculate"));
    ASSERT_TRUE(user::click(main, "cmdPrint"));
    EXPECT_EQ(document(), summaryText({main, nullptr, false, services.clock.now()}));
    EXPECT_NE(document().find("Mode:" + std::string(36, ' ') + "Rating"), std::string::npos);
    EXPECT_EQ(document().find("first visit"), std::string::npos);
    EXPECT_EQ(summary.at("txtComment").text(), "");
}

} // namespace
} // namespace rac::summary::testing_support
