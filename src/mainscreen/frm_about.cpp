#include "mainscreen/frm_about.h"

#include "mainscreen/identity.h"

#include <string>

namespace rac::mainscreen {

using platform::Control;
using platform::ControlKind;
using platform::Event;

namespace {

constexpr std::string_view kDisclaimer =
    "ZYL accepts no liability for any loss or damage arising from the use of this program or of "
    "the results obtained with it. Selections and ratings should be checked by a competent "
    "engineer before they are relied upon.";

} // namespace

FrmAbout::FrmAbout(MessageSink& messages, SystemInfoTool& systemInfo)
    : Form("frmAbout", "About " + std::string(kApplicationTitle)), messages_(messages),
      systemInfo_(systemInfo) {
    add(ControlKind::Image, "imgIcon");
    add(ControlKind::Label, "lblTitle");
    add(ControlKind::Label, "lblVersion");
    add(ControlKind::Label, "lblDescription");
    add(ControlKind::Label, "lblDisclaimer");
    add(ControlKind::CommandButton, "cmdOK").setCaption("OK");
    add(ControlKind::CommandButton, "cmdSysInfo").setCaption("&System Info...");

    onLoad([this] {
        at("lblTitle").setCaption(std::string(kApplicationTitle));
        at("lblVersion").setCaption(versionText());
        at("lblDescription").setCaption(std::string(kProgramDescription));
        at("lblDisclaimer").setCaption(std::string(kDisclaimer));
    });
    on("cmdOK", Event::Click, [this](Control&) { unload(); });
    on("cmdSysInfo", Event::Click, [this](Control&) { StartSysInfo(); });
}

void FrmAbout::StartSysInfo() {
    if (!systemInfo_.start()) {
        messages_.show(okOnly(std::string(kApplicationTitle),
                              "System Information Is Unavailable At This Time"));
    }
}

} // namespace rac::mainscreen
