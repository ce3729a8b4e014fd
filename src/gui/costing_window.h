#pragma once

#include "platform/form.h"

#include <QMainWindow>
#include <string>
#include <string_view>
#include <vector>

class QGroupBox;
class QWidget;

namespace rac::gui {

class FormBinding;
class FormWidgets;

// frmCosting: a column for each coil (its casing, its block and its sub-total), a third for the
// run-around total and the payback, and the commands, with the form's menus and toolbar. The
// window scrolls on a screen too small for it.
class CostingWindow final : public QMainWindow {
    Q_OBJECT

  public:
    explicit CostingWindow(platform::Form& form);

    FormBinding& binding() const { return *binding_; }
    // Controls the layout left out; empty unless the form gained a control the layout lacks.
    const std::vector<std::string>& unplaced() const { return unplaced_; }

  private:
    void buildBars(FormWidgets& widgets);
    QWidget* coilColumn(FormWidgets& widgets, std::string_view side);
    QGroupBox* casingFrame(FormWidgets& widgets, std::string_view side);
    QGroupBox* blockFrame(FormWidgets& widgets, std::string_view side);
    QGroupBox* subTotalFrame(FormWidgets& widgets, std::string_view side);
    QWidget* pairColumn(FormWidgets& widgets);
    QGroupBox* totalFrame(FormWidgets& widgets);
    QGroupBox* paybackFrame(FormWidgets& widgets);
    QWidget* commands(FormWidgets& widgets);
    void orderTabs();

    FormBinding* binding_ = nullptr;
    std::vector<std::string> unplaced_;
};

} // namespace rac::gui
