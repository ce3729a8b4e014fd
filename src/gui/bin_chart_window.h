#pragma once

#include "platform/form.h"

#include <QMainWindow>

namespace rac::gui {

class FormBinding;

// frmBinGraphics and frmBinDataGraphics: the "File" menu, the chart (with the savings chart's bin
// summaries beside it) and the commands.
class BinChartWindow final : public QMainWindow {
    Q_OBJECT

  public:
    explicit BinChartWindow(platform::Form& form);
    FormBinding& binding() const { return *binding_; }

  private:
    FormBinding* binding_ = nullptr;
};

} // namespace rac::gui
