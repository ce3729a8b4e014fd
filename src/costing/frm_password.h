#pragma once

#include "costing/costing_shell.h"
#include "costing/costing_state.h"
#include "platform/form.h"
#include "platform/services.h"

namespace rac::costing {

// The Additional Information password: the right one reveals the costing breakdown and the gross
// margin on the costing screen for as long as that screen stays loaded.
//
// The password is never kept as text: what is typed is digested and compared, and the box is
// emptied as the window goes. "Remember Password" keeps the digest while the program runs; with
// it remembered, OK on an empty box gives the remembered password.
class FrmPassword final : public platform::Form {
  public:
    FrmPassword(platform::Services services, AdditionalInformationAccess& access,
                CostingShell& shell);

    // OK: the typed password (or the remembered one) accepted or refused.
    void CheckPassword();
    void AcceptPassword(const PasswordDigest& typed);
    void RefusePassword();

  private:
    void loadScreen();
    void close();

    platform::Services services_;
    AdditionalInformationAccess& access_;
    CostingShell& shell_;
    platform::Control& password_;
    platform::Control& remember_;
};

} // namespace rac::costing
