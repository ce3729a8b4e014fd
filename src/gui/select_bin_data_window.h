#pragma once

#include "platform/form.h"

#include <QWidget>

namespace rac::gui {

class FormBinding;

// frmSelectBinData: the location list above the grid of its bins, and the commands below.
class SelectBinDataWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit SelectBinDataWindow(platform::Form& form);
    FormBinding& binding() const { return *binding_; }

  private:
    FormBinding* binding_ = nullptr;
};

} // namespace rac::gui
