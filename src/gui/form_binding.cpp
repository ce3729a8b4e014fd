#include "gui/form_binding.h"

#include "gui/painted_item.h"
#include "gui/qt_text.h"
#include "gui/rich_text_box.h"
#include "gui/widget_state.h"
#include "platform/user_actions.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>
#include <exception>

namespace rac::gui {

using platform::Control;
using platform::ControlKind;
using platform::Property;
namespace user = platform::user;

namespace {

FormBinding::FaultReporter& faultReporter() {
    static FormBinding::FaultReporter reporter;
    return reporter;
}

void reportFault(const char* what) {
    const QString text = QString::fromUtf8(what);
    qWarning("rac: %s", what);
    if (faultReporter()) {
        faultReporter()(text);
    }
}

// Counts the model-to-widget updates in progress: the focus events they cause are the model's own.
class Applying {
  public:
    explicit Applying(int& depth) : depth_(depth) { ++depth_; }
    ~Applying() { --depth_; }
    Applying(const Applying&) = delete;
    Applying& operator=(const Applying&) = delete;

  private:
    int& depth_;
};

// Painted items have no input signals, and their change signal is what repaints them.
QObject* signalsToBlock(QObject& object) {
    return qobject_cast<PaintedItem*>(&object) != nullptr ? nullptr : &object;
}

bool passive(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::Frame || kind == ControlKind::Image ||
           kind == ControlKind::ProgressBar;
}

// Kinds that look like boxes to type or pick in.
bool entryKind(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::List ||
           kind == ControlKind::EditableList;
}

bool byPerson(Qt::FocusReason reason) {
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
           reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason ||
           reason == Qt::OtherFocusReason;
}

// The characters a key press types, as the form's KeyPress rule sees them: Enter is 13 and
// Backspace 8; shortcuts and keys that type nothing give none.
std::u32string typedCharacters(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        return U"\r";
    }
    if (key.key() == Qt::Key_Backspace) {
        return U"\b";
    }
    std::u32string typed;
    for (const char32_t character : key.text().toUcs4()) {
        if (character < 32 || character == 127) {
            return {};
        }
        typed.push_back(character);
    }
    return typed;
}

// The widget itself or one of its own windows, such as a list's open popup.
bool within(const QWidget* widget, const QWidget* descendant) {
    for (const QWidget* w = descendant; w != nullptr; w = w->parentWidget()) {
        if (w == widget) {
            return true;
        }
    }
    return false;
}

QLineEdit* lineEditOf(QObject& object) {
    if (auto* edit = qobject_cast<QLineEdit*>(&object)) {
        return edit;
    }
    if (auto* combo = qobject_cast<QComboBox*>(&object)) {
        return combo->lineEdit();
    }
    return nullptr;
}

} // namespace

template <typename Action> void FormBinding::act(const Control& control, Action action) {
    try {
        action();
    } catch (const std::exception& fault) {
        reportFault(fault.what());
    }
    // The form may have refused or changed what the person did: the widget shows the model.
    apply(control);
}

void FormBinding::setFaultReporter(FaultReporter reporter) {
    faultReporter() = std::move(reporter);
}

FormBinding::FormBinding(platform::Form& form, QWidget& window)
    : QObject(&window), form_(form), window_(window) {
    QHash<QString, QObject*> named;
    for (QObject* child : window.findChildren<QObject*>()) {
        if (!child->objectName().isEmpty()) {
            named.insert(child->objectName(), child);
        }
    }
    for (Control* control : form.controls()) {
        QObject* object = named.value(toQt(control->name()), nullptr);
        if (object == nullptr) {
            unbound_.push_back(control);
        } else {
            bind(*control, *object);
        }
    }
    window.installEventFilter(this);
    observer_ = form.observe(
        [this](const Control* control, Property property) { modelChanged(control, property); });
    applyForm(Property::Title);
    applyForm(Property::MousePointer);
    applyState();
    applyFocus();
}

FormBinding::~FormBinding() {
    form_.unobserve(observer_);
    if (waitCursor_) {
        QApplication::restoreOverrideCursor();
    }
}

QObject* FormBinding::objectOf(const Control& control) const {
    return objectOf_.value(&control, nullptr);
}

QWidget* FormBinding::widgetOf(const Control& control) const {
    return qobject_cast<QWidget*>(objectOf(control));
}

std::vector<std::string> FormBinding::unbound() const {
    std::vector<std::string> names;
    for (const Control* control : unbound_) {
        names.push_back(control->name());
    }
    return names;
}

void FormBinding::bind(Control& control, QObject& object) {
    controlOf_.insert(&object, &control);
    objectOf_.insert(&control, &object);
    apply(control);
    connectInput(control, object);
    watch(control, object);
}

void FormBinding::connectInput(Control& control, QObject& object) {
    const std::string name = control.name();
    if (auto* edit = lineEditOf(object)) {
        connect(edit, &QLineEdit::textEdited, this, [this, &control, name](const QString& text) {
            act(control, [&] { user::set(form_, name, fromQt(text)); });
        });
    }
    if (auto* combo = qobject_cast<QComboBox*>(&object)) {
        connect(combo, &QComboBox::activated, this, [this, &control, name](int index) {
            act(control, [&] { user::pickIndex(form_, name, index); });
        });
    } else if (auto* choice = qobject_cast<QAbstractButton*>(&object)) {
        connect(choice, &QAbstractButton::clicked, this,
                [this, &control] { buttonClicked(control); });
    } else if (auto* action = qobject_cast<QAction*>(&object); action && !action->menu()) {
        connect(action, &QAction::triggered, this,
                [this, &control, name] { act(control, [&] { user::click(form_, name); }); });
    } else if (auto* timer = qobject_cast<QTimer*>(&object)) {
        connect(timer, &QTimer::timeout, this,
                [this, &control, name] { act(control, [&] { user::tick(form_, name, 1); }); });
    } else if (auto* rich = qobject_cast<QTextEdit*>(&object)) {
        connectRichText(control, *rich);
    }
}

void FormBinding::connectRichText(Control& control, QTextEdit& edit) {
    const std::string name = control.name();
    connect(&edit, &QTextEdit::textChanged, this, [this, &control, &edit, name] {
        act(control, [&] { user::set(form_, name, fromQt(edit.toPlainText())); });
    });
    connect(&edit, &QTextEdit::selectionChanged, this, [this, &control, &edit, name] {
        act(control, [&] { user::select(form_, name, selectionOf(edit)); });
    });
}

void FormBinding::watch(Control& control, QObject& object) {
    object.installEventFilter(this);
    if (auto* combo = qobject_cast<QComboBox*>(&object); combo && combo->lineEdit()) {
        controlOf_.insert(combo->lineEdit(), &control);
        combo->lineEdit()->installEventFilter(this);
    }
}

// ---- model to widget ------------------------------------------------------------------------

void FormBinding::modelChanged(const Control* control, Property property) {
    if (control == nullptr) {
        applyForm(property);
    } else {
        apply(*control, property);
    }
}

void FormBinding::apply(const Control& control, std::optional<Property> property) {
    QObject* object = objectOf(control);
    if (object == nullptr) {
        return;
    }
    if (control.kind() == ControlKind::Timer) {
        applyTimer(control);
        return;
    }
    const Applying applying(applying_);
    const QSignalBlocker blocker(signalsToBlock(*object));
    if (property) {
        applyProperty(*object, control, *property);
    } else {
        applyAllProperties(*object, control);
    }
}

void FormBinding::applyForm(Property property) {
    switch (property) {
    case Property::Title:
        window_.setWindowTitle(toQt(form_.title()));
        break;
    case Property::State:
        applyState();
        break;
    case Property::MousePointer:
        applyMousePointer();
        break;
    case Property::Focus:
        applyFocus();
        break;
    default:
        break;
    }
}

void FormBinding::applyState() {
    const Applying applying(applying_);
    const auto state = form_.state();
    const Qt::WindowModality modality =
        state == platform::FormState::ShownModal ? Qt::ApplicationModal : Qt::NonModal;
    if (form_.shown()) {
        if (window_.windowModality() != modality) {
            window_.hide(); // Qt takes a new modality only while the window is hidden
            window_.setWindowModality(modality);
        }
        window_.show();
        window_.raise();
        window_.activateWindow();
    } else {
        window_.hide();
    }
    for (auto it = objectOf_.cbegin(); it != objectOf_.cend(); ++it) {
        if (it.key()->kind() == ControlKind::Timer) {
            applyTimer(*it.key());
        }
    }
    if (!form_.loaded()) {
        applyMousePointer();
    }
}

void FormBinding::applyTimer(const Control& timer) {
    auto* qtimer = qobject_cast<QTimer*>(objectOf(timer));
    if (qtimer == nullptr) {
        return;
    }
    const bool running = form_.loaded() && timer.enabled() && timer.interval() > 0;
    if (!running) {
        qtimer->stop();
    } else if (!qtimer->isActive() || qtimer->interval() != timer.interval()) {
        qtimer->start(timer.interval());
    }
}

void FormBinding::applyFocus() {
    const Control* focus = form_.focus();
    QWidget* widget = focus == nullptr ? nullptr : widgetOf(*focus);
    if (widget != nullptr && !widget->hasFocus()) {
        const Applying applying(applying_);
        widget->setFocus(Qt::OtherFocusReason);
    }
}

void FormBinding::applyMousePointer() {
    const bool wait = form_.loaded() && form_.mousePointer() == platform::MousePointer::Wait;
    if (wait && !waitCursor_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (!wait && waitCursor_) {
        QApplication::restoreOverrideCursor();
    }
    waitCursor_ = wait;
}

// ---- widget to model ------------------------------------------------------------------------

void FormBinding::buttonClicked(Control& control) {
    if (refusedFocus_ == &control) {
        refusedFocus_ = nullptr; // the field being left kept the focus: the click does not land
        apply(control);
        return;
    }
    act(control, [&] { user::click(form_, control.name()); });
}

bool FormBinding::keyPressed(Control& control, QObject& receiver, QEvent& event) {
    const std::u32string typed = typedCharacters(static_cast<QKeyEvent&>(event));
    QLineEdit* edit = lineEditOf(receiver);
    if (typed.empty() || edit == nullptr || control.locked() || !form_.reachable(control)) {
        return false;
    }
    std::u32string result;
    try {
        for (const char32_t character : typed) {
            result.push_back(form_.raiseKeyPress(control, character));
        }
    } catch (const std::exception& fault) {
        reportFault(fault.what());
        return true;
    }
    if (result == typed) {
        return false; // the widget takes the key as it was typed
    }
    // The rule replaced the key: type what it left instead; 7 (bell) and other control
    // characters type nothing, so a swallowed Enter neither inserts nor presses a default button.
    {
        const QSignalBlocker blocker(edit);
        for (const char32_t character : result) {
            if (character == U'\b') {
                edit->backspace();
            } else if (character >= 32 && character != 127) {
                edit->insert(QString::fromUcs4(&character, 1));
            }
        }
    }
    const QString text = edit->text();
    if (text != toQt(control.text())) {
        act(control, [&] { user::set(form_, control.name(), fromQt(text)); });
    }
    return true;
}

bool FormBinding::focusChanged(Control& control, QEvent& event) {
    const auto reason = static_cast<QFocusEvent&>(event).reason();
    if (applying_ > 0 || !platform::takesFocus(control.kind())) {
        return false;
    }
    if (event.type() == QEvent::FocusIn) {
        if (form_.focus() == &control) {
            return false;
        }
        if (!byPerson(reason) && form_.focus() != nullptr) {
            // The window came back (a message box closed, a menu shut): the form's focus stands.
            QMetaObject::invokeMethod(
                this, [this] { applyFocus(); }, Qt::QueuedConnection);
            return false;
        }
        act(control,
            [&] { refusedFocus_ = user::focus(form_, control.name()) ? nullptr : &control; });
        applyFocus();
        return false;
    }
    if (!byPerson(reason) || form_.focus() != &control) {
        return false;
    }
    QWidget* now = QApplication::focusWidget();
    // An open popup holds the focus while the person is still choosing in the field.
    if (within(widgetOf(control), now)) {
        return false;
    }
    // Moving to another of the form's fields: that field's FocusIn moves the form's focus.
    const Control* next = controlOf_.value(now, nullptr);
    if (next == nullptr || !platform::takesFocus(next->kind())) {
        act(control, [&] { user::leave(form_, control.name()); });
    }
    return false;
}

// The person has left the field they were in, though the box they pressed takes no focus: what
// they type next must not land in the field they left.
void FormBinding::pressedOnDisabled() {
    if (Control* left = form_.focus()) {
        act(*left, [&] { user::leave(form_, left->name()); });
    }
    QWidget* focused = QApplication::focusWidget();
    if (form_.focus() == nullptr && focused != nullptr && focused->window() == &window_) {
        const Applying applying(applying_);
        focused->clearFocus();
    }
}

bool FormBinding::clicked(Control& control, QEvent& event) {
    const auto& mouse = static_cast<QMouseEvent&>(event);
    auto* widget = qobject_cast<QWidget*>(objectOf(control));
    if (mouse.button() != Qt::LeftButton || widget == nullptr ||
        !widget->rect().contains(mouse.position().toPoint())) {
        return false;
    }
    act(control, [&] { user::click(form_, control.name()); });
    return true;
}

bool FormBinding::closeRequested(QEvent& event) {
    auto& close = static_cast<QCloseEvent&>(event);
    bool closed = !form_.loaded();
    if (!closed) {
        try {
            // A spontaneous close comes from the window's close box; any other from code.
            closed = close.spontaneous() ? user::close(form_)
                                         : form_.requestClose(platform::CloseSource::Program);
        } catch (const std::exception& fault) {
            reportFault(fault.what());
        }
    }
    close.setAccepted(closed);
    return true;
}

bool FormBinding::closeForWindowSystem() {
    try {
        return form_.requestClose(platform::CloseSource::WindowSystem);
    } catch (const std::exception& fault) {
        reportFault(fault.what());
        return false;
    }
}

bool FormBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        if (event->type() == QEvent::Close) {
            return closeRequested(*event);
        }
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            try {
                user::clickForm(form_);
            } catch (const std::exception& fault) {
                reportFault(fault.what());
            }
            return true;
        }
        return false;
    }
    Control* control = controlOf_.value(watched, nullptr);
    if (control == nullptr) {
        return false;
    }
    const auto* combo = qobject_cast<QComboBox*>(objectOf(*control));
    const bool lockedPicks = combo != nullptr && combo->lineEdit() == nullptr && lockedList(*combo);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (lockedPicks && key != Qt::Key_Tab && key != Qt::Key_Backtab) {
            return true;
        }
        return keyPressed(*control, *watched, *event);
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        return focusChanged(*control, *event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (auto* widget = qobject_cast<QWidget*>(watched);
            widget && !widget->isEnabled() && entryKind(control->kind())) {
            pressedOnDisabled();
            return false;
        }
        return lockedPicks;
    case QEvent::Wheel:
        return lockedPicks;
    case QEvent::MouseButtonRelease:
        return passive(control->kind()) && clicked(*control, *event);
    default:
        return false;
    }
}

} // namespace rac::gui
