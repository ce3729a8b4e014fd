#pragma once

#include "platform/form.h"

#include <QWidget>
#include <string_view>

class QGroupBox;

namespace rac::gui {

class FormBinding;
class FormWidgets;

// frmCostingBreakdown: the frames of intermediate values side by side, each line a caption with
// the supply coil's value and then the extract coil's, and OK and Print. It scrolls on a screen
// too small for it.
class CostingBreakdownWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit CostingBreakdownWindow(platform::Form& form);
    FormBinding& binding() const { return *binding_; }

  private:
    QGroupBox* frame(FormWidgets& widgets, std::string_view name);

    FormBinding* binding_ = nullptr;
};

} // namespace rac::gui
