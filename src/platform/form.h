#pragma once

#include "platform/control.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace rac::platform {

class FormSnapshot;

enum class FormState { NotLoaded, Hidden, Shown, ShownModal };
enum class MousePointer { Normal, Wait };

// Who asks a form to close: the user (close box, system menu), the window system (log-off and the
// like) or the program's own code. A form may refuse some of them, or only go out of sight: a
// window that lives as long as the program hides and keeps what it shows.
enum class CloseSource { User, WindowSystem, Program };
enum class CloseReply { Close, Refuse, Hide };

// Told after every state change, before any event handler runs; control is null for a change of
// the form itself (title, state, mouse pointer, focus).
using Observer = std::function<void(const Control* control, Property property)>;

// A screen: named controls, the handlers of their events, and the form's own state.
//
// Re-entrancy: while the handler of an event runs on a control, the same event on the same
// control is not raised again (its state still changes and observers are still told). So a
// Click handler that selects in its own list, or a Change handler that rewrites its own text,
// ends instead of recursing; every other event still cascades at once.
//
// A form must outlive the handlers running on it: a handler may unload its own form, but whoever
// owns the form discards it only after the event has returned.
class Form {
  public:
    explicit Form(std::string name, std::string title = {});
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    const std::string& title() const { return title_; }
    void setTitle(std::string title);

    // Controls. Names are letters, digits and '_'; an element of a control array is named
    // "txtBinDB(3)" and created by addElement. The container, when given, is a frame or a menu
    // entry already on the form. Controls are never removed, so references stay valid.
    Control& add(ControlKind kind, std::string_view name, std::string_view container = {});
    Control& addElement(ControlKind kind, std::string_view arrayName, int index,
                        std::string_view container = {});
    Control* find(std::string_view name);
    const Control* find(std::string_view name) const;
    // As find, but an unknown name throws PlatformError naming the form and the control.
    Control& at(std::string_view name);
    const Control& at(std::string_view name) const;
    Control& at(std::string_view arrayName, int index);
    const Control& at(std::string_view arrayName, int index) const;
    // In the order they were added.
    std::vector<Control*> controls();
    std::vector<const Control*> controls() const;

    // Handlers, one per control and event (a later one replaces an earlier). The name may be a
    // control array's name: its handler serves every element without a handler of its own.
    void on(std::string_view name, Event event, Handler handler);
    void onKeyPress(std::string_view name, KeyHandler handler);
    void onLoad(std::function<void()> handler);
    void onClick(std::function<void()> handler); // a click on the form itself
    void onCloseRequest(std::function<CloseReply(CloseSource)> handler);

    // Raising events as if they happened; the setters and the user actions do this themselves.
    void raise(Control& control, Event event);
    char32_t raiseKeyPress(Control& control, char32_t key); // the character after the handler
    void raiseFormClick();

    // Life cycle. load raises Load once, when the form is not loaded; show, showModal and hide
    // load first. A modal show only records the state: the caller decides what waits for it.
    // A form whose design state is kept comes back at it when loaded after an unload, as if it
    // were made afresh: closing a window discards what it showed.
    FormState state() const { return state_; }
    bool loaded() const { return state_ != FormState::NotLoaded; }
    bool shown() const { return state_ == FormState::Shown || state_ == FormState::ShownModal; }
    void load();
    void show();
    void showModal();
    void hide();
    // Runs the close handler; unless it refuses, the form is unloaded, or only hidden when the
    // handler says so. True when the window has gone.
    bool requestClose(CloseSource source);
    // Unloads without asking, as the end of the program does.
    void unload();
    // Keeps the form's present state as its design state, to come back to on the next load after
    // an unload. Called once the form is made, before it first loads.
    void keepDesignState();

    // While another form is shown modal, the user can act on this one in no way. Set by the
    // program's modal group; null when nothing keeps the user out.
    const Form* blockedBy() const { return blockedBy_; }
    void setBlockedBy(const Form* modal) { blockedBy_ = modal; }
    // Shown and not blocked by a modal form: a user can reach the window.
    bool userCanReach() const { return shown() && blockedBy_ == nullptr; }

    // The control with the keyboard focus, or null. setFocus gives it to a control that can
    // take it (a focusable kind, enabled and visible with its containers) and returns false
    // otherwise; the previous owner gets LostFocus first, then the new one GotFocus. A LostFocus
    // handler that places the focus itself (back into a field that failed a check) wins.
    Control* focus() const { return focus_; }
    bool setFocus(Control& control);
    void dropFocus();
    bool canTakeFocus(const Control& control) const;
    // A user can act on the control: the form is shown and not blocked by a modal form, and the
    // control is enabled and visible, with every container.
    bool reachable(const Control& control) const;

    MousePointer mousePointer() const { return pointer_; }
    void setMousePointer(MousePointer pointer);

    // Observers, for a binding that keeps real widgets in step. observe returns the id that
    // unobserve takes. An observer may subscribe or unsubscribe while being told: a new one hears
    // from the next change on, one unsubscribed hears nothing more.
    std::size_t observe(Observer observer);
    void unobserve(std::size_t id);

  private:
    friend class Control;
    friend class FormSnapshot;
    class Telling;

    // Hashes names and the string_views looked up with them alike.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const noexcept {
            return std::hash<std::string_view>{}(name);
        }
    };
    template <typename Value>
    using ByName = std::unordered_map<std::string, Value, NameHash, std::equal_to<>>;

    Control& insert(ControlKind kind, std::string name, std::string arrayName,
                    std::optional<int> index, std::string_view container);
    // The handlers of the control or control array of that name; throws for an unknown name.
    HandlerSlots& handlerTarget(std::string_view name);
    // The handler that pick takes from the control's own slots, or else from its array's.
    template <typename Pick> auto handlerOf(const Control& control, Pick pick) const;
    bool running(const Control& control, Event event) const;
    void notify(const Control* control, Property property);
    void setState(FormState state);
    void moveFocus(Control* target);

    std::string name_;
    std::string title_;
    FormState state_ = FormState::NotLoaded;
    MousePointer pointer_ = MousePointer::Normal;
    Control* focus_ = nullptr;

    std::vector<std::unique_ptr<Control>> controls_;
    ByName<Control*> byName_;
    // The handlers of each control array, serving every element without one of its own.
    ByName<HandlerSlots> arrays_;

    std::function<void()> loadHandler_;
    std::function<void()> clickHandler_;
    std::function<CloseReply(CloseSource)> closeHandler_;

    std::unique_ptr<FormSnapshot> design_;
    bool discarded_ = false; // unloaded since its design state was last put back
    const Form* blockedBy_ = nullptr;

    std::vector<std::pair<const Control*, Event>> running_;
    bool closing_ = false;

    // In the order they subscribed. One unsubscribed while observers are told is taken out of its
    // place at once but kept alive in dropped_ till all are told: it may be the one running.
    struct Subscription {
        std::size_t id;
        std::unique_ptr<Observer> observer; // null once unsubscribed
    };
    std::vector<Subscription> observers_;
    std::vector<std::unique_ptr<Observer>> dropped_;
    std::size_t nextObserver_ = 0;
    int telling_ = 0; // changes being told, counting nested ones
};

} // namespace rac::platform
