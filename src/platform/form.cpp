#include "platform/form.h"

#include "foundation/flag_while.h"
#include "platform/form_snapshot.h"
#include "platform/platform_error.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace rac::platform {

namespace {

bool isName(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
    });
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

bool enabledAndVisible(const Control& control) {
    for (const Control* part = &control; part != nullptr; part = part->container()) {
        if (!part->enabled() || !part->visible()) {
            return false;
        }
    }
    return true;
}

// Marks an event as running on a control for as long as its handler runs.
class RunningEvent {
  public:
    RunningEvent(std::vector<std::pair<const Control*, Event>>& running, const Control& control,
                 Event event)
        : running_(running) {
        running_.emplace_back(&control, event);
    }
    ~RunningEvent() { running_.pop_back(); }
    RunningEvent(const RunningEvent&) = delete;
    RunningEvent& operator=(const RunningEvent&) = delete;

  private:
    std::vector<std::pair<const Control*, Event>>& running_;
};

} // namespace

Form::Form(std::string name, std::string title) : name_(std::move(name)), title_(std::move(title)) {
    if (!isName(name_)) {
        throw PlatformError(quoted(name_) + " is not a valid form name");
    }
}

Form::~Form() {
    design_.reset(); // it stops observing while the observers are still there
}

void Form::setTitle(std::string title) {
    if (title_ != title) {
        title_ = std::move(title);
        notify(nullptr, Property::Title);
    }
}

Control& Form::add(ControlKind kind, std::string_view name, std::string_view container) {
    if (!isName(name)) {
        throw PlatformError(name_ + ": " + quoted(name) + " is not a valid control name");
    }
    if (arrays_.contains(name)) {
        throw PlatformError(name_ + ": " + quoted(name) + " already names a control array");
    }
    return insert(kind, std::string(name), {}, std::nullopt, container);
}

Control& Form::addElement(ControlKind kind, std::string_view arrayName, int index,
                          std::string_view container) {
    if (!isName(arrayName)) {
        throw PlatformError(name_ + ": " + quoted(arrayName) +
                            " is not a valid control array name");
    }
    if (index < 0) {
        throw PlatformError(name_ + "." + std::string(arrayName) +
                            ": an element index cannot be negative");
    }
    if (byName_.contains(arrayName)) {
        throw PlatformError(name_ + ": " + quoted(arrayName) + " already names a control");
    }
    arrays_.try_emplace(std::string(arrayName));
    std::string name = std::string(arrayName) + "(" + std::to_string(index) + ")";
    return insert(kind, std::move(name), std::string(arrayName), index, container);
}

Control& Form::insert(ControlKind kind, std::string name, std::string arrayName,
                      std::optional<int> index, std::string_view container) {
    if (byName_.contains(name)) {
        throw PlatformError(name_ + ": there is already a control named " + quoted(name));
    }
    const Control* holder = nullptr;
    if (!container.empty()) {
        holder = &at(container);
        if (!isContainer(holder->kind())) {
            throw PlatformError(name_ + "." + holder->name() + ": a " +
                                std::string(kindName(holder->kind())) + " cannot hold controls");
        }
    }
    controls_.push_back(std::unique_ptr<Control>(
        new Control(*this, controls_.size(), kind, name, std::move(arrayName), index, holder)));
    Control& control = *controls_.back();
    byName_.emplace(std::move(name), &control);
    return control;
}

// The mutable lookups share the const ones: every control is created mutable by insert.
Control* Form::find(std::string_view name) {
    return const_cast<Control*>(std::as_const(*this).find(name));
}

const Control* Form::find(std::string_view name) const {
    const auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : found->second;
}

Control& Form::at(std::string_view name) {
    return const_cast<Control&>(std::as_const(*this).at(name));
}

const Control& Form::at(std::string_view name) const {
    if (const Control* control = find(name)) {
        return *control;
    }
    throw PlatformError(name_ + ": no control named " + quoted(name));
}

Control& Form::at(std::string_view arrayName, int index) {
    return const_cast<Control&>(std::as_const(*this).at(arrayName, index));
}

const Control& Form::at(std::string_view arrayName, int index) const {
    return at(std::string(arrayName) + "(" + std::to_string(index) + ")");
}

std::vector<Control*> Form::controls() {
    std::vector<Control*> all;
    for (const auto& control : controls_) {
        all.push_back(control.get());
    }
    return all;
}

std::vector<const Control*> Form::controls() const {
    std::vector<const Control*> all;
    for (const auto& control : controls_) {
        all.push_back(control.get());
    }
    return all;
}

HandlerSlots& Form::handlerTarget(std::string_view name) {
    if (Control* control = find(name)) {
        return control->handlers_;
    }
    const auto array = arrays_.find(name);
    if (array == arrays_.end()) {
        throw PlatformError(name_ + ": no control or control array named " + quoted(name));
    }
    return array->second;
}

template <typename Pick> auto Form::handlerOf(const Control& control, Pick pick) const {
    auto handler = pick(control.handlers_);
    if (handler == nullptr && control.index()) {
        const auto array = arrays_.find(control.arrayName());
        if (array != arrays_.end()) {
            handler = pick(array->second);
        }
    }
    return handler;
}

void Form::on(std::string_view name, Event event, Handler handler) {
    HandlerSlots& slots = handlerTarget(name);
    if (event == Event::KeyPress) {
        throw PlatformError(name_ + "." + std::string(name) +
                            ": a KeyPress handler is registered with onKeyPress");
    }
    slots.events[static_cast<std::size_t>(event)] =
        std::make_shared<const Handler>(std::move(handler));
}

void Form::onKeyPress(std::string_view name, KeyHandler handler) {
    handlerTarget(name).keyPress = std::make_shared<const KeyHandler>(std::move(handler));
}

void Form::onLoad(std::function<void()> handler) {
    loadHandler_ = std::move(handler);
}

void Form::onClick(std::function<void()> handler) {
    clickHandler_ = std::move(handler);
}

void Form::onCloseRequest(std::function<CloseReply(CloseSource)> handler) {
    closeHandler_ = std::move(handler);
}

bool Form::running(const Control& control, Event event) const {
    return std::find(running_.begin(), running_.end(),
                     std::pair<const Control*, Event>{&control, event}) != running_.end();
}

void Form::raise(Control& control, Event event) {
    if (event == Event::KeyPress) {
        throw PlatformError(name_ + "." + control.name() +
                            ": a key press is raised with raiseKeyPress");
    }
    if (running(control, event)) {
        return;
    }
    // Held while it runs: the handler may replace itself.
    const auto handler = handlerOf(control, [event](const HandlerSlots& slots) {
        return slots.events[static_cast<std::size_t>(event)];
    });
    if (handler == nullptr || !*handler) {
        return;
    }
    const RunningEvent running(running_, control, event);
    (*handler)(control);
}

char32_t Form::raiseKeyPress(Control& control, char32_t key) {
    if (running(control, Event::KeyPress)) {
        return key;
    }
    const auto handler =
        handlerOf(control, [](const HandlerSlots& slots) { return slots.keyPress; });
    if (handler == nullptr || !*handler) {
        return key;
    }
    const RunningEvent running(running_, control, Event::KeyPress);
    (*handler)(control, key);
    return key;
}

void Form::raiseFormClick() {
    if (clickHandler_) {
        const auto handler = clickHandler_;
        handler();
    }
}

void Form::setState(FormState state) {
    if (state_ != state) {
        state_ = state;
        notify(nullptr, Property::State);
    }
}

void Form::load() {
    if (loaded()) {
        return;
    }
    if (discarded_) {
        design_->restore();
        discarded_ = false;
    }
    setState(FormState::Hidden);
    if (loadHandler_) {
        const auto handler = loadHandler_;
        handler();
    }
}

void Form::show() {
    load();
    setState(FormState::Shown);
}

void Form::showModal() {
    load();
    setState(FormState::ShownModal);
}

void Form::hide() {
    load();
    setState(FormState::Hidden);
}

bool Form::requestClose(CloseSource source) {
    if (!loaded()) {
        return true;
    }
    if (closing_) {
        return false; // a close handler asking to close its own form again
    }
    if (closeHandler_) {
        const auto handler = closeHandler_;
        const FlagWhile closing(closing_);
        const CloseReply reply = handler(source);
        if (reply == CloseReply::Refuse) {
            return false;
        }
        if (reply == CloseReply::Hide) {
            hide();
            return true;
        }
    }
    unload();
    return true;
}

void Form::unload() {
    if (focus_ != nullptr) {
        focus_ = nullptr;
        notify(nullptr, Property::Focus);
    }
    setState(FormState::NotLoaded);
    discarded_ = design_ != nullptr;
}

void Form::keepDesignState() {
    if (loaded()) {
        throw PlatformError(name_ + ": the design state is kept before the form first loads");
    }
    design_ = std::make_unique<FormSnapshot>(*this);
}

bool Form::reachable(const Control& control) const {
    return userCanReach() && enabledAndVisible(control);
}

bool Form::canTakeFocus(const Control& control) const {
    return takesFocus(control.kind()) && enabledAndVisible(control);
}

bool Form::setFocus(Control& control) {
    if (&control.form() != this) {
        throw PlatformError(name_ + ": " + control.form().name() + "." + control.name() +
                            " is on another form");
    }
    if (!canTakeFocus(control)) {
        return false;
    }
    moveFocus(&control);
    return true;
}

void Form::dropFocus() {
    moveFocus(nullptr);
}

void Form::moveFocus(Control* target) {
    if (focus_ == target) {
        return;
    }
    Control* previous = focus_;
    if (previous != nullptr) {
        focus_ = nullptr;
        notify(nullptr, Property::Focus);
        raise(*previous, Event::LostFocus);
        if (focus_ != nullptr) {
            return; // the LostFocus handler placed the focus itself
        }
    }
    focus_ = target;
    if (target != nullptr) {
        notify(nullptr, Property::Focus);
        raise(*target, Event::GotFocus);
    }
}

void Form::setMousePointer(MousePointer pointer) {
    if (pointer_ != pointer) {
        pointer_ = pointer;
        notify(nullptr, Property::MousePointer);
    }
}

std::size_t Form::observe(Observer observer) {
    observers_.push_back({nextObserver_, std::make_unique<Observer>(std::move(observer))});
    return nextObserver_++;
}

// Counts the changes being told; once the outermost one has been told, the observers
// unsubscribed meanwhile are let go.
class Form::Telling {
  public:
    explicit Telling(Form& form) : form_(form) { ++form_.telling_; }
    ~Telling() {
        if (--form_.telling_ == 0 && !form_.dropped_.empty()) {
            std::erase_if(form_.observers_,
                          [](const Subscription& subscription) { return !subscription.observer; });
            form_.dropped_.clear();
        }
    }
    Telling(const Telling&) = delete;
    Telling& operator=(const Telling&) = delete;

  private:
    Form& form_;
};

void Form::unobserve(std::size_t id) {
    const auto found =
        std::find_if(observers_.begin(), observers_.end(),
                     [id](const Subscription& subscription) { return subscription.id == id; });
    if (found == observers_.end() || !found->observer) {
        return;
    }
    if (telling_ > 0) {
        dropped_.push_back(std::move(found->observer));
    } else {
        observers_.erase(found);
    }
}

void Form::notify(const Control* control, Property property) {
    if (observers_.empty()) {
        return;
    }
    const Telling telling(*this);
    // One subscribed while this change is told hears from the next change on.
    const std::size_t subscribed = observers_.size();
    for (std::size_t i = 0; i < subscribed; ++i) {
        if (const Observer* observer = observers_[i].observer.get()) {
            (*observer)(control, property);
        }
    }
}

} // namespace rac::platform
