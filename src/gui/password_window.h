#pragma once

#include "platform/form.h"

#include <QWidget>

namespace rac::gui {

class FormBinding;

// frmPassword: what the Additional Information is, the password box (its characters hidden),
// "Remember Password", OK and Cancel.
class PasswordWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit PasswordWindow(platform::Form& form);
    FormBinding& binding() const { return *binding_; }

  private:
    FormBinding* binding_ = nullptr;
};

} // namespace rac::gui
