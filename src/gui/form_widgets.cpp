#include "gui/form_widgets.h"

#include "gui/chart_view.h"
#include "gui/painted_item.h"
#include "gui/qt_text.h"
#include "gui/rich_text_box.h"
#include "gui/status_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <map>
#include <stdexcept>

namespace rac::gui {

using platform::Control;
using platform::ControlKind;

namespace {

QComboBox* makeComboBox(bool editable, QWidget& window) {
    auto* combo = new QComboBox(&window);
    combo->setEditable(editable);
    // A typed text is the control's text, never a new list item.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(4);
    return combo;
}

QWidget* makeWidget(const Control& control, QWidget& window) {
    switch (control.kind()) {
    case ControlKind::TextBox:
        return new QLineEdit(&window);
    case ControlKind::List:
        return makeComboBox(false, window);
    case ControlKind::EditableList:
        return makeComboBox(true, window);
    case ControlKind::CheckBox:
        return new QCheckBox(&window);
    case ControlKind::OptionButton: {
        // The form decides which option of a frame is selected, including none.
        auto* option = new QRadioButton(&window);
        option->setAutoExclusive(false);
        return option;
    }
    case ControlKind::CommandButton: {
        // Enter belongs to the entry fields' key rules, never to a default button.
        auto* button = new QPushButton(&window);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::Label:
    case ControlKind::Image:
        return new QLabel(&window);
    case ControlKind::Frame:
        return new QGroupBox(&window);
    case ControlKind::ProgressBar: {
        auto* bar = new QProgressBar(&window);
        bar->setRange(0, 100);
        bar->setTextVisible(false);
        return bar;
    }
    case ControlKind::StatusPanel:
        return new StatusPanel(toQt(control.name()), &window);
    case ControlKind::RichTextBox: {
        auto* edit = new QTextEdit(&window);
        edit->setAcceptRichText(false); // the model holds plain text and one font
        edit->setTabStopDistance(tabStopDistance(edit->logicalDpiX()));
        return edit;
    }
    case ControlKind::Chart:
        return new ChartView(&window);
    default:
        return nullptr;
    }
}

bool holdsEntries(const platform::Form& form, const Control& entry) {
    const auto controls = form.controls();
    return std::any_of(controls.begin(), controls.end(),
                       [&](const Control* c) { return c->container() == &entry; });
}

// Elements of a control array of one kind, by index.
std::map<int, const Control*> elementsOfKind(const platform::Form& form, ControlKind kind) {
    std::map<int, const Control*> elements;
    for (const Control* control : form.controls()) {
        if (control->kind() == kind && control->index()) {
            elements.emplace(*control->index(), control);
        }
    }
    return elements;
}

} // namespace

FormWidgets::FormWidgets(const platform::Form& form, QWidget& window) : form_(form) {
    for (const Control* control : form.controls()) {
        create(*control, window);
    }
}

void FormWidgets::create(const Control& control, QWidget& window) {
    const QString name = toQt(control.name());
    QObject* object = nullptr;
    switch (control.kind()) {
    case ControlKind::Shape:
    case ControlKind::Line:
        object = new PaintedItem(name, &window);
        break;
    case ControlKind::Timer:
        object = new QTimer(&window);
        break;
    case ControlKind::MenuEntry:
        if (holdsEntries(form_, control)) {
            object = (new QMenu(&window))->menuAction();
        } else {
            object = new QAction(&window);
        }
        break;
    case ControlKind::ToolbarButton:
        object = new QAction(&window);
        break;
    default:
        QWidget* widget = makeWidget(control, window);
        // Status panels go to the status bar, not into a layout.
        if (control.kind() != ControlKind::StatusPanel) {
            untaken_.insert(name, widget);
        }
        object = widget;
        break;
    }
    object->setObjectName(name);
    objects_.insert(name, object);
}

QObject* FormWidgets::object(std::string_view name) const {
    return objects_.value(toQt(name), nullptr);
}

void FormWidgets::layoutError(std::string_view name, std::string_view problem) const {
    throw std::logic_error(form_.name() + "." + std::string(name) + " " + std::string(problem));
}

QWidget* FormWidgets::take(std::string_view name) {
    const QString key = toQt(name);
    if (!objects_.contains(key)) {
        layoutError(name, "is not a control of the form");
    }
    QWidget* widget = untaken_.take(key);
    if (widget == nullptr) {
        layoutError(name, "has no widget to place, or was placed twice");
    }
    return widget;
}

PaintedItem* FormWidgets::item(std::string_view name) const {
    auto* painted = qobject_cast<PaintedItem*>(object(name));
    if (painted == nullptr) {
        layoutError(name, "is not a shape or line of the form");
    }
    return painted;
}

QAction* FormWidgets::action(std::string_view name) const {
    auto* found = qobject_cast<QAction*>(object(name));
    if (found == nullptr) {
        layoutError(name, "is not a menu entry or toolbar button of the form");
    }
    return found;
}

void FormWidgets::buildMenus(QMenuBar& bar) const {
    for (const Control* entry : form_.controls()) {
        if (entry->kind() != ControlKind::MenuEntry) {
            continue;
        }
        QAction* act = action(entry->name());
        if (entry->caption() == "-") {
            act->setSeparator(true);
        }
        if (entry->container() == nullptr) {
            bar.addAction(act);
        } else if (QMenu* holder = action(entry->container()->name())->menu()) {
            holder->addAction(act);
        }
    }
}

void FormWidgets::buildToolbar(QToolBar& toolbar,
                               const std::function<bool(int)>& isSeparator) const {
    for (const auto& [position, button] : elementsOfKind(form_, ControlKind::ToolbarButton)) {
        QAction* act = action(button->name());
        act->setSeparator(isSeparator(position));
        toolbar.addAction(act);
    }
}

void FormWidgets::buildStatusBar(QStatusBar& bar) const {
    for (const auto& [index, panel] : elementsOfKind(form_, ControlKind::StatusPanel)) {
        bar.addWidget(qobject_cast<QWidget*>(object(panel->name())));
    }
}

std::vector<std::string> FormWidgets::untaken() const {
    std::vector<std::string> names;
    for (auto it = untaken_.cbegin(); it != untaken_.cend(); ++it) {
        names.push_back(fromQt(it.key()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace rac::gui
