#pragma once

#include "platform/form.h"

#include <QWidget>

namespace rac::gui {

class FormBinding;

// frmSplash: the program's mark, name, description, version and platform, the blinking
// "Loading..." and the progress bar. A click anywhere on it is the form's.
class SplashWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit SplashWindow(platform::Form& form);
    FormBinding& binding() const { return *binding_; }

  private:
    FormBinding* binding_ = nullptr;
};

} // namespace rac::gui
