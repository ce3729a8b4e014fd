#include "costing/frm_password.h"

#include "costing/frm_costing.h"
#include "platform/form_building.h"
#include "platform/settings_store.h"

namespace rac::costing {

using platform::Control;
using platform::ControlKind;

namespace {

platform::Form& buildLayout(platform::Form& form) {
    form.setTitle("Password");
    const std::pair<std::string_view, std::string_view> labels[] = {
        {"lblExplanation", "By entering the correct password additional values used during the "
                           "calculation procedure can be viewed."},
        {"lblEmployeesOnly", "This is intended for use by ZYL Employees only."},
        {"lblInstruction",
         "Enter the correct password to procede or press cancel to close this screen."},
        {"lblPassword", "Password:"},
    };
    for (const auto& [name, caption] : labels) {
        platform::addCaptioned(form, ControlKind::Label, name, std::string(caption));
    }
    form.add(ControlKind::TextBox, "txtPassword");
    platform::addCaptioned(form, ControlKind::CheckBox, "chkRememberPassword", "Remember Password");
    platform::addCaptioned(form, ControlKind::CommandButton, "cmdOK", "OK");
    platform::addCaptioned(form, ControlKind::CommandButton, "cmdclose", "Cancel");
    return form;
}

} // namespace

FrmPassword::FrmPassword(platform::Services services, AdditionalInformationAccess& access,
                         CostingShell& shell)
    : Form("frmPassword"), services_(services), access_(access), shell_(shell),
      password_(buildLayout(*this).at("txtPassword")), remember_(at("chkRememberPassword")) {
    onLoad([this] { loadScreen(); });
    on("cmdOK", platform::Event::Click, [this](Control&) { CheckPassword(); });
    on("cmdclose", platform::Event::Click, [this](Control&) { close(); });
    onKeyPress("txtPassword", platform::neutraliseEnter);
}

// The two remember settings are read, never written: the password stays off the disk. A
// remembered password from the store is kept as its digest only.
void FrmPassword::loadScreen() {
    access_.RememberPassword = platform::readFlag(services_.settings, "RememberAddInfoPassword",
                                                  "RememberAddInfoPasswordValue", false);
    access_.StoredPassword.reset();
    if (access_.RememberPassword) {
        access_.StoredPassword =
            digestOf(services_.settings.read("AddInfoPassword", "AddInfoPasswordString"));
        remember_.setValue(1);
    }
}

void FrmPassword::CheckPassword() {
    const bool remembered = password_.text().empty() && remember_.value() == 1 &&
                            access_.RememberPassword && access_.StoredPassword;
    const PasswordDigest typed = remembered ? *access_.StoredPassword : digestOf(password_.text());
    if (opensAdditionalInformation(typed)) {
        AcceptPassword(typed);
    } else {
        RefusePassword();
    }
}

void FrmPassword::AcceptPassword(const PasswordDigest& typed) {
    if (remember_.value() == 1) {
        access_.RememberPassword = true;
        access_.StoredPassword = typed;
    }
    shell_.Costing().RevealAdditionalInformation();
    close();
}

void FrmPassword::RefusePassword() {
    if (remember_.value() != 1) {
        access_.RememberPassword = false;
        access_.StoredPassword.reset();
    }
    services_.messages.show(information("Incorrect Password", "Incorrect Password."));
}

void FrmPassword::close() {
    password_.setText("");
    hide();
}

} // namespace rac::costing
