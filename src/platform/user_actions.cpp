#include "platform/user_actions.h"

#include "foundation/utf8.h"
#include "platform/platform_error.h"

#include <algorithm>
#include <optional>

namespace rac::platform::user {

namespace {

constexpr char32_t backspace = 8;

[[noreturn]] void refuse(const Control& control, std::string_view action) {
    throw PlatformError(control.form().name() + "." + control.name() + ": a " +
                        std::string(kindName(control.kind())) + " cannot be " +
                        std::string(action));
}

bool isList(const Control& control) {
    return control.kind() == ControlKind::List || control.kind() == ControlKind::EditableList;
}

bool acceptsTyping(const Control& control) {
    return control.kind() == ControlKind::TextBox || control.kind() == ControlKind::RichTextBox ||
           control.kind() == ControlKind::EditableList;
}

// The named control, whose kind must have the action.
Control& actedOn(Form& form, std::string_view name, bool (*has)(const Control&),
                 std::string_view action) {
    Control& control = form.at(name);
    if (!has(control)) {
        refuse(control, action);
    }
    return control;
}

bool usable(const Form& form, const Control& control, bool needsUnlocked) {
    return form.reachable(control) && !(needsUnlocked && control.locked());
}

// Gives the control the focus when it takes it. The action lands only when the focus got there
// (a field that failed its check on leaving keeps it) and the focus events left the control
// usable.
bool approach(Form& form, Control& control, bool needsUnlocked) {
    if (!usable(form, control, needsUnlocked)) {
        return false;
    }
    if (takesFocus(control.kind())) {
        form.setFocus(control);
        if (form.focus() != &control) {
            return false;
        }
    }
    return usable(form, control, needsUnlocked);
}

std::optional<int> positionOf(const Control& list, std::string_view item) {
    const auto& items = list.items();
    const auto found = std::find(items.begin(), items.end(), item);
    if (found == items.end()) {
        return std::nullopt;
    }
    return static_cast<int>(found - items.begin());
}

void typeKey(Control& control, char32_t key) {
    if (key == backspace) {
        control.setText(utf8::withoutLast(control.text()));
    } else if (key >= 32 && key != 127) {
        const std::string bytes = utf8::encode(key);
        if (!bytes.empty()) {
            control.setText(control.text() + bytes);
        }
    }
}

} // namespace

bool click(Form& form, std::string_view name) {
    Control& control = form.at(name);
    if (isList(control)) {
        refuse(control, "clicked: pick one of its items");
    }
    if (control.kind() == ControlKind::Timer) {
        refuse(control, "clicked");
    }
    if (!approach(form, control, false)) {
        return false;
    }
    switch (control.kind()) {
    case ControlKind::CheckBox:
        control.setValue(control.value() == 1 ? 0 : 1);
        break;
    case ControlKind::OptionButton:
        control.setValue(1);
        break;
    default:
        form.raise(control, Event::Click);
        break;
    }
    return true;
}

bool clickForm(Form& form) {
    if (!form.userCanReach()) {
        return false;
    }
    form.raiseFormClick();
    return true;
}

bool pressToolbarButton(Form& form, int position) {
    const auto controls = form.controls();
    const auto button = std::find_if(controls.begin(), controls.end(), [](const Control* c) {
        return c->kind() == ControlKind::ToolbarButton;
    });
    if (button == controls.end()) {
        throw PlatformError(form.name() + " has no toolbar");
    }
    const std::string& toolbar = (*button)->arrayName();
    const Control* pressed = form.find(toolbar + "(" + std::to_string(position) + ")");
    if (pressed == nullptr || pressed->kind() != ControlKind::ToolbarButton) {
        throw PlatformError(form.name() + "." + toolbar + " has no button at position " +
                            std::to_string(position));
    }
    return click(form, pressed->name());
}

bool set(Form& form, std::string_view name, std::string_view text) {
    Control& control = actedOn(form, name, acceptsTyping, "typed into");
    if (!approach(form, control, true)) {
        return false;
    }
    control.setText(text);
    return true;
}

bool type(Form& form, std::string_view name, std::string_view text) {
    Control& control = actedOn(form, name, acceptsTyping, "typed into");
    const auto keys = utf8::decode(text);
    if (!keys) {
        throw PlatformError(form.name() + "." + control.name() +
                            ": the text to type is not valid UTF-8");
    }
    if (!approach(form, control, true)) {
        return false;
    }
    for (const char32_t typed : *keys) {
        if (form.focus() != &control || !usable(form, control, true)) {
            return false;
        }
        typeKey(control, form.raiseKeyPress(control, typed));
    }
    return true;
}

bool pick(Form& form, std::string_view name, std::string_view item) {
    Control& control = actedOn(form, name, isList, "picked from");
    if (!positionOf(control, item)) {
        throw PlatformError(form.name() + "." + control.name() + ": the list has no item \"" +
                            std::string(item) + "\"");
    }
    if (!approach(form, control, true)) {
        return false;
    }
    const auto position = positionOf(control, item); // the focus events may refill the list
    if (!position) {
        return false;
    }
    control.setListIndex(*position);
    return true;
}

bool pickIndex(Form& form, std::string_view name, int index) {
    Control& control = actedOn(form, name, isList, "picked from");
    const auto inRange = [&] { return index >= 0 && index < std::ssize(control.items()); };
    if (!inRange()) {
        throw PlatformError(form.name() + "." + control.name() + ": there is no item at position " +
                            std::to_string(index) + " (the list has " +
                            std::to_string(control.items().size()) + " items)");
    }
    if (!approach(form, control, true) || !inRange()) {
        return false;
    }
    control.setListIndex(index);
    return true;
}

bool focus(Form& form, std::string_view name) {
    Control& control = form.at(name);
    if (!takesFocus(control.kind())) {
        refuse(control, "given the focus");
    }
    if (!form.reachable(control)) {
        return false;
    }
    form.setFocus(control);
    return form.focus() == &control;
}

bool leave(Form& form, std::string_view name) {
    const Control& control = form.at(name);
    if (form.focus() != &control || !form.userCanReach()) {
        return false;
    }
    form.dropFocus();
    return true;
}

int tick(Form& form, std::string_view name, int count) {
    Control& timer = form.at(name);
    if (timer.kind() != ControlKind::Timer) {
        refuse(timer, "ticked");
    }
    int fired = 0;
    while (fired < count && form.loaded() && timer.enabled() && timer.interval() > 0) {
        form.raise(timer, Event::Timer);
        ++fired;
    }
    return fired;
}

bool close(Form& form) {
    return form.userCanReach() && form.requestClose(CloseSource::User);
}

bool select(Form& form, std::string_view name, TextSelection selection) {
    Control& control = form.at(name);
    if (control.kind() != ControlKind::RichTextBox) {
        refuse(control, "selected in");
    }
    if (!approach(form, control, false)) {
        return false;
    }
    control.setSelection(selection);
    return true;
}

} // namespace rac::platform::user
