#pragma once

#include "platform/form.h"

#include <QWidget>

namespace rac::gui {

class FormBinding;

// frmSummary: the document over the comment box and the commands, with a File menu that has
// the commands too. Escape closes it, as Close does.
class SummaryWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit SummaryWindow(platform::Form& form);
    FormBinding& binding() const { return *binding_; }

  private:
    FormBinding* binding_ = nullptr;
};

} // namespace rac::gui
