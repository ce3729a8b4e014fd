#include "mainscreen/application.h"

#include "calculation/calc_context.h"
#include "mainscreen/frm_about.h"
#include "mainscreen/frm_main.h"
#include "mainscreen/frm_splash.h"
#include "mainscreen/main_shell.h"
#include "mainscreen/system_info.h"
#include "platform/form_snapshot.h"

#include <optional>
#include <stdexcept>

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

    // Beside the forms, only the calculation state and the exit flag change: the forms keep no
    // state of their own outside their controls.
    struct Snapshot {
        explicit Snapshot(Impl& app)
            : splash(app.splash), main(app.main), about(app.about), data(app.ctx.data),
              workingCoil(app.ctx.coil), calcAbort(app.ctx.CalcAbort), exited(app.exited) {}

        void restore(Impl& app) {
            for (platform::FormSnapshot* form : {&splash, &main, &about}) {
                form->restore();
            }
            app.ctx.data = data;
            app.ctx.coil = workingCoil;
            app.ctx.CalcAbort = calcAbort;
            app.exited = exited;
        }

        platform::FormSnapshot splash;
        platform::FormSnapshot main;
        platform::FormSnapshot about;
        calculation::RunAroundData data;
        coil::CurrentCoil workingCoil;
        bool calcAbort;
        bool exited;
    };

    calculation::CalcContext ctx;
    FrmSplash splash;
    FrmMain main;
    FrmAbout about;
    bool exited = false;
    std::optional<Snapshot> snapshot;
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

void Application::takeSnapshot() {
    impl_->snapshot.reset(); // the old one stops watching the forms first
    impl_->snapshot.emplace(*impl_);
}

void Application::restoreSnapshot() {
    if (!impl_->snapshot) {
        throw std::logic_error("no snapshot of the application was taken");
    }
    impl_->snapshot->restore(*impl_);
}

} // namespace rac::mainscreen
