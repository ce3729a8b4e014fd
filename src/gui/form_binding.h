#pragma once

#include "platform/form.h"

#include <QHash>
#include <QObject>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QTextEdit;
class QWidget;

namespace rac::gui {

// Keeps the Qt objects of a window in step with a form, both ways, keyed by control name (the
// objects' objectName): every change of the model reaches its widget with the widget's signals
// blocked, so nothing feeds back; every action of a person on a widget goes through
// platform::user, which runs the form's rules, and the widget is then set again from the model
// (an action the form refused leaves no trace). The window itself stands for the form: its title,
// shown state, mouse pointer, keyboard focus, clicks on it and requests to close it.
class FormBinding final : public QObject {
    Q_OBJECT

  public:
    FormBinding(platform::Form& form, QWidget& window);
    ~FormBinding() override;
    FormBinding(const FormBinding&) = delete;
    FormBinding& operator=(const FormBinding&) = delete;

    platform::Form& form() const { return form_; }
    QWidget& window() const { return window_; }
    QObject* objectOf(const platform::Control& control) const;
    QWidget* widgetOf(const platform::Control& control) const;
    // Controls without an object of their name under the window.
    std::vector<std::string> unbound() const;

    // The window system asks the form to close (the desktop session is ending).
    bool closeForWindowSystem();

    // Told when a user action threw: a fault of the program, shown instead of ending it.
    using FaultReporter = std::function<void(const QString& what)>;
    static void setFaultReporter(FaultReporter reporter);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void bind(platform::Control& control, QObject& object);
    void connectInput(platform::Control& control, QObject& object);
    void connectRichText(platform::Control& control, QTextEdit& edit);
    void watch(platform::Control& control, QObject& object);

    // Model to widget.
    void modelChanged(const platform::Control* control, platform::Property property);
    // One property of the control's state to its object, or all of them.
    void apply(const platform::Control& control,
               std::optional<platform::Property> property = std::nullopt);
    void applyForm(platform::Property property);
    void applyState();
    void applyFocus();
    void applyMousePointer();
    void applyTimer(const platform::Control& timer);

    // Widget to model.
    template <typename Action> void act(const platform::Control& control, Action action);
    bool keyPressed(platform::Control& control, QObject& receiver, QEvent& event);
    bool focusChanged(platform::Control& control, QEvent& event);
    bool clicked(platform::Control& control, QEvent& event);
    void pressedOnDisabled();
    bool closeRequested(QEvent& event);
    void buttonClicked(platform::Control& control);

    platform::Form& form_;
    QWidget& window_;
    std::size_t observer_ = 0;
    QHash<QObject*, platform::Control*> controlOf_;
    QHash<const platform::Control*, QObject*> objectOf_;
    std::vector<platform::Control*> unbound_;
    int applying_ = 0;
    bool waitCursor_ = false;
    // A control whose focus the form refused on the way to a click: the click must not land.
    const platform::Control* refusedFocus_ = nullptr;
};

} // namespace rac::gui
