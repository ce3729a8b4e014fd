#include "mainscreen/frm_about.h"
#include "mainscreen/frm_splash.h"
#include "mainscreen/main_layout.h"
#include "mainscreen/main_screen_fixture.h"
#include "mainscreen/os_name.h"
#include "mainscreen/system_info.h"
#include "support/form_mirror.h"

#include <string>

namespace rac::program {
namespace {

using namespace mainscreen;
using namespace mainscreen::testing_support;

using platform::FormState;
namespace user = platform::user;

class Splash : public ::testing::Test {
  protected:
    Splash() { app.startWithSplash(); }

    platform::RecordingServices services;
    Application app{services.services()};
    platform::Form& splash = app.form<FrmSplash>();
    platform::Form& main = app.form<FrmMain>();
};

TEST_F(Splash, ShowsTheProgramAndThePlatformItRunsOn) {
    EXPECT_TRUE(splash.shown());
    EXPECT_FALSE(main.loaded());
    EXPECT_EQ(splash.at("lblDescription").caption(),
              "Run Around Coil Selection and Rating Software");
    EXPECT_EQ(splash.at("lblVersion").caption(), "Version 1.1");
    EXPECT_EQ(splash.at("lblProductName").caption(), "ZYL RAC");
    EXPECT_EQ(splash.at("lblPlatform").caption(), "Platform: " + operatingSystemName());
    EXPECT_EQ(splash.at("lblLoading").caption(), "Loading...");
    EXPECT_EQ(splash.at("tmrBlink").interval(), 500);
    EXPECT_EQ(splash.at("tmrProgress").interval(), 20);
}

TEST_F(Splash, LoadingBlinksEveryTick) {
    EXPECT_EQ(user::tick(splash, "tmrBlink"), 1);
    EXPECT_FALSE(splash.at("lblLoading").visible());
    EXPECT_EQ(user::tick(splash, "tmrBlink"), 1);
    EXPECT_TRUE(splash.at("lblLoading").visible());
}

TEST_F(Splash, FullProgressBarOpensTheMainScreen) {
    EXPECT_EQ(user::tick(splash, "tmrProgress", 99), 99);
    EXPECT_EQ(splash.at("prgLoading").value(), 99);
    EXPECT_FALSE(main.loaded());
    EXPECT_EQ(user::tick(splash, "tmrProgress", 5), 1);
    EXPECT_TRUE(main.shown());
    EXPECT_FALSE(splash.loaded());
    EXPECT_FALSE(splash.at("tmrBlink").enabled());
    EXPECT_FALSE(user::clickForm(splash));
}

TEST_F(Splash, AClickAnywhereOpensTheMainScreenAtOnce) {
    for (const std::string target :
         {"", "fraSplash", "imgLogo", "lblVersion", "lblPlatform", "prgLoading", "lblLoading"}) {
        platform::RecordingServices fresh;
        Application program(fresh.services());
        program.startWithSplash();
        auto& form = program.form<FrmSplash>();
        ASSERT_TRUE(target.empty() ? user::clickForm(form) : user::click(form, target)) << target;
        EXPECT_TRUE(program.form<FrmMain>().shown()) << target;
        EXPECT_FALSE(form.loaded()) << target;
    }
}

TEST_F(Splash, MainScreenStartsAsWithoutTheSplash) {
    ASSERT_TRUE(user::clickForm(splash));
    platform::RecordingServices direct;
    Application program(direct.services());
    program.start();
    EXPECT_TRUE(test::sameView(test::FormView(main), test::FormView(program.form<FrmMain>())));
}

class StartingTool final : public SystemInfoTool {
  public:
    bool start() override {
        ++started;
        return true;
    }
    int started = 0;
};

using Shell = MainScreen;

TEST_F(Shell, AboutBoxNamesTheProgram) {
    choose("mnuAbout");
    platform::Form& about = app.form<FrmAbout>();
    EXPECT_EQ(about.state(), FormState::Shown);
    EXPECT_EQ(about.title(), "About ZYL RAC");
    EXPECT_EQ(about.at("lblTitle").caption(), "ZYL RAC");
    EXPECT_EQ(about.at("lblVersion").caption(), "Version 1.1");
    EXPECT_EQ(about.at("lblDescription").caption(),
              "Run Around Coil Selection and Rating Software");
    EXPECT_NE(about.at("lblDisclaimer").caption().find("no liability"), std::string::npos);

    ASSERT_TRUE(user::click(about, "cmdSysInfo"));
    ASSERT_EQ(services.messages.shown().size(), 1U);
    EXPECT_EQ(lastMessage(), okOnly("ZYL RAC", "System Information Is Unavailable At This Time"));
    ASSERT_TRUE(user::click(about, "cmdOK"));
    EXPECT_FALSE(about.loaded());
    EXPECT_TRUE(main.shown());
}

TEST_F(Shell, AboutBoxStartsAPlatformsSystemInformationTool) {
    StartingTool tool;
    platform::RecordingServices fresh;
    Application program(fresh.services(), tool);
    program.start();
    ASSERT_TRUE(user::click(program.form<FrmMain>(), "mnuAbout"));
    ASSERT_TRUE(user::click(program.form<FrmAbout>(), "cmdSysInfo"));
    EXPECT_EQ(tool.started, 1);
    EXPECT_TRUE(fresh.messages.shown().empty());
}

// The startup_calculate transcript pins the timer and the segments at the start.
TEST_F(Shell, SchematicLightRunsAlongOneSegmentAtATime) {
    for (int tick = 1; tick <= 12; ++tick) {
        ASSERT_EQ(user::tick(main, "Timer1"), 1);
        const int lit = (tick - 1) % 5 + 1;
        for (const std::string pipe : {"WhiteLineUp", "WhiteLineDown"}) {
            for (int segment = 0; segment < layout::kSchematicSegments; ++segment) {
                EXPECT_EQ(main.at(pipe, segment).visible(), segment == lit)
                    << pipe << " tick " << tick << " segment " << segment;
            }
        }
    }
}

// Every way out a user has unloads every form, even with the About box open; the program's own
// close request is refused.
TEST_F(Shell, UsersEndTheProgramButTheProgramCannot) {
    EXPECT_FALSE(main.requestClose(platform::CloseSource::Program));
    EXPECT_FALSE(app.exited());
    EXPECT_TRUE(main.shown());

    using Way = bool (*)(FrmMain&);
    const std::pair<const char*, Way> ways[] = {
        {"close box", [](FrmMain& form) { return user::close(form); }},
        {"window system",
         [](FrmMain& form) { return form.requestClose(platform::CloseSource::WindowSystem); }},
        {"menu", [](FrmMain& form) { return user::click(form, "mnuExit"); }},
        {"toolbar",
         [](FrmMain& form) { return user::pressToolbarButton(form, layout::kToolExit); }},
    };
    for (const auto& [how, end] : ways) {
        platform::RecordingServices fresh;
        Application program(fresh.services());
        program.start();
        ASSERT_TRUE(user::click(program.form<FrmMain>(), "mnuAbout")) << how;
        EXPECT_TRUE(end(program.form<FrmMain>())) << how;
        EXPECT_TRUE(program.exited()) << how;
        for (const platform::Form* form : program.forms()) {
            EXPECT_FALSE(form->loaded()) << how << ": " << form->name();
        }
    }
}

TEST_F(Shell, PrintWindowFailsSilently) {
    choose("mnuPrint");
    ASSERT_EQ(services.printer.printed().size(), 1U);
    EXPECT_EQ(services.printer.printed().front().name, "frmMain");
    services.printer.setWindowPrintsFail(true);
    choose("mnuPrint");
    EXPECT_TRUE(services.messages.shown().empty());
}

TEST_F(Shell, HelpOpensTheContents) {
    choose("mnuRACHelp");
    ASSERT_TRUE(user::pressToolbarButton(main, layout::kToolHelp));
    EXPECT_EQ(services.help.requests(),
              (std::vector<platform::HelpRequest>(2, platform::helpContents("ZYLRAC.hlp"))));
}

} // namespace
} // namespace rac::program
