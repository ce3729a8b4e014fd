#pragma once

#include "platform/form.h"

#include <QMainWindow>
#include <string>
#include <string_view>
#include <vector>

class QGroupBox;
class QScrollArea;
class QWidget;

namespace rac::gui {

class FormBinding;
class FormWidgets;

// frmMain: the air states around the schematic, the two coil blocks side by side, the fluid side
// and the commands, with the menus, toolbar and status bar of the form.
class MainWindow final : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(platform::Form& form);

    FormBinding& binding() const { return *binding_; }
    // Controls the layout left out; empty unless the form gained a control the layout lacks.
    const std::vector<std::string>& unplaced() const { return unplaced_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QScrollArea* scrolled(QWidget& content);
    QSize openingSize() const;
    void buildBars(FormWidgets& widgets);
    QWidget* buildAirAndSchematic(FormWidgets& widgets);
    QWidget* buildCoilsAndFluid(FormWidgets& widgets);
    QGroupBox* airStateFrame(FormWidgets& widgets, std::string_view state);
    QGroupBox* schematicFrame(FormWidgets& widgets);
    QGroupBox* coilFrame(FormWidgets& widgets, std::string_view side);
    QGroupBox* fluidSideFrame(FormWidgets& widgets);
    QGroupBox* fluidPressureDropFrame(FormWidgets& widgets);
    QWidget* commands(FormWidgets& widgets);
    void chainTabOrder();
    void addShortcuts();

    QWidget* content_ = nullptr;
    bool opened_ = false;
    FormBinding* binding_ = nullptr;
    std::vector<std::string> unplaced_;
};

} // namespace rac::gui
