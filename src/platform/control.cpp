#include "platform/control.h"

#include "platform/form.h"
#include "platform/platform_error.h"

#include <algorithm>

namespace rac::platform {

namespace {

std::string_view propertyWord(Property property) {
    switch (property) {
    case Property::Text:
        return "text";
    case Property::Items:
        return "list items";
    case Property::ListIndex:
        return "list index";
    case Property::Value:
        return "value";
    case Property::Caption:
        return "caption";
    case Property::Checked:
        return "checked state";
    case Property::Picture:
        return "picture";
    case Property::Interval:
        return "interval";
    default:
        return "such property";
    }
}

} // namespace

Control::Control(Form& form, ControlKind kind, std::string name, std::string arrayName,
                 std::optional<int> index, const Control* container)
    : form_(form), kind_(kind), name_(std::move(name)), arrayName_(std::move(arrayName)),
      index_(index), container_(container) {}

std::string Control::path() const {
    return form_.name() + "." + name_;
}

void Control::require(Property property) const {
    if (!hasProperty(kind_, property)) {
        throw PlatformError(path() + ": a " + std::string(kindName(kind_)) + " has no " +
                            std::string(propertyWord(property)));
    }
}

void Control::notify(Property property) {
    form_.notify(this, property);
}

template <typename T> void Control::assign(T& field, T value, Property property) {
    if (field != value) {
        field = std::move(value);
        notify(property);
    }
}

void Control::setText(std::string_view text) {
    require(Property::Text);
    if (text_ == text) {
        return;
    }
    if (kind_ == ControlKind::List) {
        const auto item = std::find(items_.begin(), items_.end(), text);
        if (item == items_.end()) {
            throw PlatformError(path() + ": the list has no item \"" + std::string(text) + "\"");
        }
        select(static_cast<int>(item - items_.begin()));
        return;
    }
    if (kind_ == ControlKind::EditableList && listIndex_ >= 0 &&
        items_[static_cast<std::size_t>(listIndex_)] != text) {
        assign(listIndex_, -1, Property::ListIndex);
    }
    text_ = text;
    notify(Property::Text);
    if (kind_ != ControlKind::StatusPanel) {
        form_.raise(*this, Event::Change);
    }
}

void Control::addItem(std::string item) {
    require(Property::Items);
    items_.push_back(std::move(item));
    notify(Property::Items);
}

void Control::addItems(const std::vector<std::string>& items) {
    require(Property::Items);
    if (!items.empty()) {
        items_.insert(items_.end(), items.begin(), items.end());
        notify(Property::Items);
    }
}

void Control::clearItems() {
    require(Property::Items);
    assign(listIndex_, -1, Property::ListIndex);
    if (!items_.empty()) {
        items_.clear();
        notify(Property::Items);
    }
    assign(text_, std::string(), Property::Text);
}

void Control::setListIndex(int index) {
    require(Property::ListIndex);
    if (index < -1 || index >= static_cast<int>(items_.size())) {
        throw PlatformError(path() + ": there is no item at position " + std::to_string(index) +
                            " (the list has " + std::to_string(items_.size()) + " items)");
    }
    if (index == -1) {
        assign(listIndex_, -1, Property::ListIndex);
        assign(text_, std::string(), Property::Text);
        return;
    }
    select(index);
}

void Control::select(int index) {
    assign(listIndex_, index, Property::ListIndex);
    assign(text_, items_[static_cast<std::size_t>(index)], Property::Text);
    form_.raise(*this, Event::Click);
}

void Control::setValue(int value) {
    require(Property::Value);
    if (kind_ == ControlKind::ProgressBar) {
        if (value < 0 || value > 100) {
            throw PlatformError(path() + ": a progress bar value is 0 to 100, not " +
                                std::to_string(value));
        }
        assign(value_, value, Property::Value);
        return;
    }
    if (value != 0 && value != 1) {
        throw PlatformError(path() + ": the value of a " + std::string(kindName(kind_)) +
                            " is 0 or 1, not " + std::to_string(value));
    }
    if (kind_ == ControlKind::CheckBox) {
        if (value != value_) {
            assign(value_, value, Property::Value);
            form_.raise(*this, Event::Click);
        }
        return;
    }
    if (value == 1) {
        deselectOtherOptions();
        assign(value_, 1, Property::Value);
        form_.raise(*this, Event::Click);
    } else {
        assign(value_, 0, Property::Value);
    }
}

void Control::deselectOtherOptions() {
    for (const auto& other : form_.controls_) {
        if (other.get() != this && other->kind_ == ControlKind::OptionButton &&
            other->container_ == container_) {
            other->assign(other->value_, 0, Property::Value);
        }
    }
}

void Control::press() {
    if (kind_ != ControlKind::CommandButton && kind_ != ControlKind::MenuEntry &&
        kind_ != ControlKind::ToolbarButton) {
        throw PlatformError(path() + ": a " + std::string(kindName(kind_)) + " cannot be pressed");
    }
    form_.raise(*this, Event::Click);
}

void Control::setCaption(std::string caption) {
    require(Property::Caption);
    assign(caption_, std::move(caption), Property::Caption);
}

void Control::setChecked(bool checked) {
    require(Property::Checked);
    assign(checked_, checked, Property::Checked);
}

void Control::setPicture(int picture) {
    require(Property::Picture);
    if (picture < 0) {
        throw PlatformError(path() + ": a picture id cannot be negative");
    }
    assign(picture_, picture, Property::Picture);
}

void Control::setInterval(int milliseconds) {
    require(Property::Interval);
    if (milliseconds < 0) {
        throw PlatformError(path() + ": a timer interval cannot be negative");
    }
    assign(interval_, milliseconds, Property::Interval);
}

void Control::setEnabled(bool enabled) {
    assign(enabled_, enabled, Property::Enabled);
}

void Control::setVisible(bool visible) {
    assign(visible_, visible, Property::Visible);
}

void Control::setLocked(bool locked) {
    assign(locked_, locked, Property::Locked);
}

void Control::setBackColour(Colour colour) {
    assign(back_, colour, Property::BackColour);
}

void Control::setForeColour(Colour colour) {
    assign(fore_, colour, Property::ForeColour);
}

void Control::setToolTip(std::string toolTip) {
    assign(toolTip_, std::move(toolTip), Property::ToolTip);
}

} // namespace rac::platform
