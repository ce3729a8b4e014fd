#include "gui/desktop.h"

#include "gui/about_window.h"
#include "gui/form_binding.h"
#include "gui/main_window.h"
#include "gui/splash_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QSessionManager>

namespace rac::gui {

namespace {

std::unique_ptr<QWidget> makeWindow(platform::Form& form) {
    if (form.name() == "frmMain") {
        return std::make_unique<MainWindow>(form);
    }
    if (form.name() == "frmSplash") {
        return std::make_unique<SplashWindow>(form);
    }
    if (form.name() == "frmAbout") {
        return std::make_unique<AboutWindow>(form);
    }
    return nullptr;
}

} // namespace

Desktop::Desktop() : printer_([this](const platform::Form& form) { return window(form.name()); }) {
    FormBinding::setFaultReporter([](const QString& what) {
        QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("ZYL RAC"),
                             QStringLiteral("The program met a fault and carries on:\n") + what);
    });
    application_ = std::make_unique<mainscreen::Application>(
        platform::Services{messages_, settings_, dialogs_, printer_, help_, events_, clock_},
        systemInfo_);
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
    FormBinding::setFaultReporter({});
}

void Desktop::startWithSplash() {
    application_->startWithSplash();
}

void Desktop::start() {
    application_->start();
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
    if (form.loaded() && !windows_.contains(form.name())) {
        if (auto made = makeWindow(form)) {
            windows_.emplace(form.name(), std::move(made));
        }
    }
    // The splash is shown once: its window goes when the form does, after the event that unloaded
    // it has returned.
    if (!form.loaded() && form.name() == "frmSplash") {
        if (const auto found = windows_.find(form.name()); found != windows_.end()) {
            found->second.release()->deleteLater();
            windows_.erase(found);
        }
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
