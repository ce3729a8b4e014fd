#include "gui/desktop.h"

#include "gui/about_window.h"
#include "gui/bin_chart_window.h"
#include "gui/bin_data_results_window.h"
#include "gui/costing_breakdown_window.h"
#include "gui/costing_window.h"
#include "gui/form_binding.h"
#include "gui/main_window.h"
#include "gui/password_window.h"
#include "gui/select_bin_data_window.h"
#include "gui/splash_window.h"
#include "gui/summary_window.h"
#include "program/form_table.h"

#include <QApplication>
#include <QMessageBox>
#include <QSessionManager>
#include <utility>

namespace rac::gui {

namespace {

// The window the form table names for the form. Every window class must be complete here: its
// header is included above.
std::unique_ptr<QWidget> makeWindow(platform::Form& form) {
    std::unique_ptr<QWidget> made;
    program::forEachFormEntry([&](const auto& entry) {
        using Window = typename std::decay_t<decltype(entry)>::WindowType;
        if (entry.name == form.name()) {
            made = std::make_unique<Window>(form);
        }
    });
    return made;
}

} // namespace

Desktop::Desktop() : Desktop(systemClock_) {}

Desktop::Desktop(platform::Clock& clock)
    : printer_([this](const platform::Form& form) { return window(form.name()); }), clock_(clock) {
    FormBinding::setFaultReporter([](const QString& what) {
        QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("ZYL RAC"),
                             QStringLiteral("The program met a fault and carries on:\n") + what);
    });
    application_ = std::make_unique<program::Application>(
        platform::Services{messages_, settings_, dialogs_, printer_, help_, events_, clock_},
        systemInfo_);
    files_ = std::make_unique<SelectionFiles>(*application_, settings_);
    for (platform::Form* form : application_->forms()) {
        const std::size_t id =
            form->observe([this, form](const platform::Control* control, platform::Property p) {
                if (control == nullptr && p == platform::Property::State) {
                    stateChanged(*form);
                }
            });
        observers_.emplace_back(form, id);
    }
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { sessionEnding(); });
}

Desktop::~Desktop() {
    for (const auto& [form, id] : observers_) {
        form->unobserve(id);
    }
    windows_.clear(); // the bindings go before the forms they observe
    files_.reset();
    FormBinding::setFaultReporter({});
}

void Desktop::startWithSplash() {
    waitingForMain_ = true;
    application_->startWithSplash();
}

void Desktop::start() {
    application_->start();
    mainStarted();
}

void Desktop::openWhenStarted(const QString& path) {
    openWhenStarted_ = path;
}

void Desktop::mainStarted() {
    files_->started();
    if (!openWhenStarted_.isEmpty()) {
        files_->open(std::exchange(openWhenStarted_, QString()));
    }
}

QWidget* Desktop::window(std::string_view form) const {
    const auto found = windows_.find(form);
    return found == windows_.end() ? nullptr : found->second.get();
}

FormBinding* Desktop::binding(std::string_view form) const {
    QWidget* shown = window(form);
    return shown == nullptr ? nullptr : shown->findChild<FormBinding*>();
}

void Desktop::stateChanged(platform::Form& form) {
    // A window is made when its form is first shown, not when it loads: a form the program loads
    // hidden (the costing breakdown, which every costing fills) costs no window until a person
    // opens it, and the click that loaded it repaints without waiting for one.
    if (form.shown() && !windows_.contains(form.name())) {
        if (auto made = makeWindow(form)) {
            if (form.name() == "frmMain" || form.name() == "frmCosting") {
                files_->attach(*made, form);
            }
            windows_.emplace(form.name(), std::move(made));
        }
    }
    // After the splash, once the event that opened the main window has ended.
    if (waitingForMain_ && form.name() == "frmMain" && form.shown()) {
        waitingForMain_ = false;
        QMetaObject::invokeMethod(
            this, [this] { mainStarted(); }, Qt::QueuedConnection);
    }
    if (application_ && application_->exited()) {
        QCoreApplication::quit();
    }
}

// Log-out or shut-down: the main form closes for the window system, which ends the program; the
// session is never held up.
void Desktop::sessionEnding() {
    if (FormBinding* main = binding("frmMain")) {
        main->closeForWindowSystem();
    }
}

} // namespace rac::gui
