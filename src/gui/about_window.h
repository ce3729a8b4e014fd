#pragma once

#include "platform/form.h"

#include <QWidget>

namespace rac::gui {

class FormBinding;

// frmAbout: the program's mark, name, version, description and disclaimer, with OK and
// System Info.
class AboutWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit AboutWindow(platform::Form& form);
    FormBinding& binding() const { return *binding_; }

  private:
    FormBinding* binding_ = nullptr;
};

} // namespace rac::gui
