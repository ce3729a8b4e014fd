#include "mainscreen/frm_splash.h"

#include "mainscreen/identity.h"
#include "mainscreen/os_name.h"

#include <algorithm>
#include <utility>

namespace rac::mainscreen {

using platform::Control;
using platform::ControlKind;
using platform::Event;

namespace {

constexpr int kBlinkInterval = 500;   // ms
constexpr int kProgressInterval = 20; // ms
constexpr int kFull = 100;

} // namespace

FrmSplash::FrmSplash(std::function<void()> finished)
    : Form("frmSplash", std::string(kApplicationTitle)), finished_(std::move(finished)) {
    add(ControlKind::Frame, "fraSplash");
    add(ControlKind::Image, "imgLogo", "fraSplash");
    add(ControlKind::Label, "lblProductName", "fraSplash");
    add(ControlKind::Label, "lblDescription", "fraSplash");
    add(ControlKind::Label, "lblPlatform", "fraSplash");
    add(ControlKind::Label, "lblVersion", "fraSplash");
    add(ControlKind::Label, "lblLoading", "fraSplash");
    add(ControlKind::ProgressBar, "prgLoading", "fraSplash");
    add(ControlKind::Timer, "tmrBlink");
    add(ControlKind::Timer, "tmrProgress");

    onLoad([this] {
        at("lblProductName").setCaption(std::string(kApplicationTitle));
        at("lblDescription").setCaption(std::string(kProgramDescription));
        at("lblPlatform").setCaption(platformCaption());
        at("lblVersion").setCaption(versionText());
        Control& loading = at("lblLoading");
        loading.setCaption("Loading...");
        loading.setVisible(true);
        at("prgLoading").setValue(0);
        for (const auto& [timer, interval] :
             {std::pair{"tmrBlink", kBlinkInterval}, std::pair{"tmrProgress", kProgressInterval}}) {
            at(timer).setInterval(interval);
            at(timer).setEnabled(true);
        }
    });
    on("tmrBlink", Event::Timer, [this](Control&) {
        Control& loading = at("lblLoading");
        loading.setVisible(!loading.visible());
    });
    on("tmrProgress", Event::Timer, [this](Control&) { advance(); });
    onClick([this] { finish(); });
    for (const Control* control : controls()) {
        if (control->kind() != ControlKind::Timer) {
            on(control->name(), Event::Click, [this](Control&) { finish(); });
        }
    }
}

void FrmSplash::advance() {
    Control& progress = at("prgLoading");
    progress.setValue(std::min(progress.value() + 1, kFull));
    if (progress.value() >= kFull) {
        finish();
    }
}

void FrmSplash::finish() {
    if (!loaded()) {
        return;
    }
    at("tmrBlink").setEnabled(false);
    at("tmrProgress").setEnabled(false);
    finished_();
}

} // namespace rac::mainscreen
