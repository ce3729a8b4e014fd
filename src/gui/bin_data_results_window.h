#pragma once

#include "platform/form.h"

#include <QWidget>

namespace rac::gui {

class FormBinding;

// frmBinDataResults: the grid of the bins with the totals under their columns, the key to the
// row colours beside the coil cost and the payback, and the commands.
class BinDataResultsWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit BinDataResultsWindow(platform::Form& form);
    FormBinding& binding() const { return *binding_; }

  private:
    FormBinding* binding_ = nullptr;
};

} // namespace rac::gui
