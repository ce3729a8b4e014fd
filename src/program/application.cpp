#include "program/application.h"

#include "platform/form_snapshot.h"
#include "platform/modal_group.h"
#include "program/form_table.h"

#include <optional>

namespace rac::program {

struct Application::Impl final : ProgramShell {
    Impl(platform::Services services, mainscreen::SystemInfoTool& systemInfo)
        : calc(services.messages, state.calc), parts{services, state, calc, *this, systemInfo} {
        forEachFormEntry([this](const auto& entry) {
            std::unique_ptr<platform::Form> made = entry.make(parts);
            if (made->name() != entry.name) {
                throw std::logic_error("the form table's entry " + std::string(entry.name) +
                                       " makes " + made->name());
            }
            made->keepDesignState();
            modal.add(*made);
            forms.push_back(std::move(made));
        });
    }

    platform::Form* find(std::string_view name) const {
        for (const auto& form : forms) {
            if (form->name() == name) {
                return form.get();
            }
        }
        return nullptr;
    }

    // A form the program's own code names: its absence is a fault of the form table.
    platform::Form& named(std::string_view name) {
        if (platform::Form* form = find(name)) {
            return *form;
        }
        throw std::logic_error("the program has no form named " + std::string(name));
    }

    void ExitApplication() override {
        state.exited = true;
        for (const auto& form : forms) {
            form->unload();
        }
    }

    void ShowAbout() override { named("frmAbout").show(); }
    void ShowCosting() override { Costing().Open(); }
    void CloseCosting() override { Costing().Close(); }

    platform::Form& MainScreen() override { return named("frmMain"); }
    costing::FrmCosting& Costing() override { return screen<costing::FrmCosting>("frmCosting"); }
    costing::FrmPassword& Password() override {
        return screen<costing::FrmPassword>("frmPassword");
    }
    costing::FrmCostingBreakdown& CostingBreakdown() override {
        return screen<costing::FrmCostingBreakdown>("frmCostingBreakdown");
    }

    // A form of the table by its name and class.
    template <typename Screen> Screen& screen(std::string_view name) {
        return dynamic_cast<Screen&>(named(name));
    }

    platform::Form& CostingScreen() override { return named("frmCosting"); }
    payback::PaybackShell& Payback() override { return *this; }
    payback::FrmSelectBinData& SelectBinData() override {
        return screen<payback::FrmSelectBinData>("frmSelectBinData");
    }
    payback::FrmBinDataResults& BinDataResults() override {
        return screen<payback::FrmBinDataResults>("frmBinDataResults");
    }
    payback::FrmBinGraphics& BinGraphics() override {
        return screen<payback::FrmBinGraphics>("frmBinGraphics");
    }
    payback::FrmBinDataGraphics& BinDataGraphics() override {
        return screen<payback::FrmBinDataGraphics>("frmBinDataGraphics");
    }

    void ShowSummary() override { named("frmSummary").showModal(); }

    const platform::Form* loadedForm(std::string_view name) const override {
        const platform::Form* form = find(name);
        return form != nullptr && form->loaded() ? form : nullptr;
    }

    void OpenMainFromSplash() override {
        named("frmMain").show();
        named("frmSplash").unload();
    }

    // The forms keep no state of their own outside their controls: the form snapshots and the
    // program-wide state are the whole program.
    struct Snapshot {
        explicit Snapshot(Impl& app) : state(app.state) {
            for (const auto& form : app.forms) {
                forms.push_back(std::make_unique<platform::FormSnapshot>(*form));
            }
        }

        void restore(Impl& app) {
            for (const auto& form : forms) {
                form->restore();
            }
            app.state = state;
        }

        ProgramState state;
        std::vector<std::unique_ptr<platform::FormSnapshot>> forms;
    };

    ProgramState state;
    calculation::CalcContext calc;
    ProgramParts parts;
    std::vector<std::unique_ptr<platform::Form>> forms;
    platform::ModalGroup modal; // after the forms: it stops observing them first
    std::optional<Snapshot> snapshot;
};

namespace {

// The tool of an application made without one.
mainscreen::NoSystemInfoTool& noSystemInfoTool() {
    static mainscreen::NoSystemInfoTool none;
    return none;
}

} // namespace

Application::Application(platform::Services services) : Application(services, noSystemInfoTool()) {}

Application::Application(platform::Services services, mainscreen::SystemInfoTool& systemInfo)
    : impl_(std::make_unique<Impl>(services, systemInfo)) {}

Application::~Application() = default;

void Application::startWithSplash() {
    impl_->named("frmSplash").show();
}

void Application::start() {
    impl_->named("frmMain").show();
}

platform::Form* Application::form(std::string_view name) {
    return impl_->find(name);
}

std::vector<platform::Form*> Application::forms() {
    std::vector<platform::Form*> all;
    for (const auto& form : impl_->forms) {
        all.push_back(form.get());
    }
    return all;
}

const ProgramState& Application::state() const {
    return impl_->state;
}

bool Application::exited() const {
    return impl_->state.exited;
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

} // namespace rac::program
