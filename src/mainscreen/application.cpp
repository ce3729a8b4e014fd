#include "mainscreen/application.h"

#include "calculation/calc_context.h"
#include "mainscreen/frm_about.h"
#include "mainscreen/frm_main.h"
#include "mainscreen/frm_splash.h"
#include "mainscreen/main_shell.h"
#include "mainscreen/system_info.h"

namespace rac::mainscreen {

struct Application::Impl final : MainShell {
    Impl(platform::Services services, SystemInfoTool& systemInfo)
        : ctx(services.messages), splash([this] { openMainFromSplash(); }),
          main(services, ctx, *this), about(services.messages, systemInfo) {}

    void ExitApplication() override {
        exited = true;
        for (platform::Form* form : all()) {
            form->unload();
        }
    }

    void ShowAbout() override { about.show(); }

    void openMainFromSplash() {
        main.show();
        splash.unload();
    }

    std::vector<platform::Form*> all() { return {&splash, &main, &about}; }

    calculation::CalcContext ctx;
    FrmSplash splash;
    FrmMain main;
    FrmAbout about;
    bool exited = false;
};

namespace {

// The tool of an application made without one.
NoSystemInfoTool& noSystemInfoTool() {
    static NoSystemInfoTool none;
    return none;
}

} // namespace

Application::Application(platform::Services services) : Application(services, noSystemInfoTool()) {}

Application::Application(platform::Services services, SystemInfoTool& systemInfo)
    : impl_(std::make_unique<Impl>(services, systemInfo)) {}

Application::~Application() = default;

void Application::startWithSplash() {
    impl_->splash.show();
}

void Application::start() {
    impl_->main.show();
}

platform::Form* Application::form(std::string_view name) {
    for (platform::Form* candidate : impl_->all()) {
        if (candidate->name() == name) {
            return candidate;
        }
    }
    return nullptr;
}

std::vector<platform::Form*> Application::forms() {
    return impl_->all();
}

FrmMain& Application::frmMain() {
    return impl_->main;
}

FrmSplash& Application::frmSplash() {
    return impl_->splash;
}

FrmAbout& Application::frmAbout() {
    return impl_->about;
}

bool Application::exited() const {
    return impl_->exited;
}

} // namespace rac::mainscreen
