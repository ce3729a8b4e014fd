#pragma once

#include "platform/form.h"

#include <QHash>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QMenuBar;
class QObject;
class QStatusBar;
class QToolBar;

namespace rac::gui {

class PaintedItem;

// The Qt object of every control of a form, created as children of the form's window and named
// after the control, for the window to arrange and for FormBinding to bind: line edits, combo
// boxes, buttons, labels, group boxes, painted items for shapes and lines, timers, actions for
// menu entries and toolbar buttons, status panels.
class FormWidgets final {
  public:
    FormWidgets(const platform::Form& form, QWidget& window);

    // The widget of a control, for the window's layout; each is taken once. An unknown name, a
    // control without a widget or a second take throws std::logic_error: a layout bug.
    QWidget* take(std::string_view name);
    template <typename Widget> Widget* take(std::string_view name) {
        auto* typed = qobject_cast<Widget*>(take(name));
        if (typed == nullptr) {
            layoutError(name, "is not of the widget type the layout expects");
        }
        return typed;
    }
    PaintedItem* item(std::string_view name) const;
    QAction* action(std::string_view name) const;

    // Menus from the form's menu entries: entries on the form are the bar's menus, entries that
    // hold entries are sub-menus; a "-" caption is a separator.
    void buildMenus(QMenuBar& bar) const;
    // Toolbar buttons in position order; the positions the predicate names are separators.
    void buildToolbar(QToolBar& toolbar, const std::function<bool(int)>& isSeparator) const;
    void buildStatusBar(QStatusBar& bar) const;

    // Widgets that no layout has taken, by control name: what a window forgot to place.
    std::vector<std::string> untaken() const;

  private:
    [[noreturn]] void layoutError(std::string_view name, std::string_view problem) const;
    void create(const platform::Control& control, QWidget& window);
    QObject* object(std::string_view name) const;

    const platform::Form& form_;
    QHash<QString, QObject*> objects_;
    QHash<QString, QWidget*> untaken_;
};

} // namespace rac::gui
