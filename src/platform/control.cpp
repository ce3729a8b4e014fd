#include "platform/control.h"

#include "foundation/utf8.h"
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
    case Property::Selection:
        return "selection";
    case Property::Font:
        return "font";
    case Property::Chart:
        return "chart";
    default:
        return "such property";
    }
}

} // namespace

Control::Control(Form& form, std::size_t position, ControlKind kind, std::string name,
                 std::string arrayName, std::optional<int> index, const Control* container)
    : form_(form), position_(position), kind_(kind), propertyBits_(propertyBits(kind)),
      name_(std::move(name)), arrayName_(std::move(arrayName)), index_(index),
      container_(container) {}

std::string Control::path() const {
    return form_.name() + "." + name_;
}

void Control::require(Property property) const {
    if ((propertyBits_ & propertyBit(property)) == 0) {
        throw PlatformError(path() + ": a " + std::string(kindName(kind_)) + " has no " +
                            std::string(propertyWord(property)));
    }
}

void Control::notify(Property property) {
    form_.notify(this, property);
}

template <typename T, typename V> void Control::assign(T& field, V&& value, Property property) {
    if (field != value) {
        field = std::forward<V>(value);
        notify(property);
    }
}

void Control::setText(std::string_view text) {
    require(Property::Text);
    if (state_.text == text) {
        return;
    }
    if (kind_ == ControlKind::List) {
        const auto item = std::find(state_.items.begin(), state_.items.end(), text);
        if (item == state_.items.end()) {
            throw PlatformError(path() + ": the list has no item \"" + std::string(text) + "\"");
        }
        select(static_cast<int>(item - state_.items.begin()));
        return;
    }
    if (kind_ == ControlKind::EditableList && state_.listIndex >= 0 &&
        state_.items[static_cast<std::size_t>(state_.listIndex)] != text) {
        assign(state_.listIndex, -1, Property::ListIndex);
    }
    state_.text = text;
    notify(Property::Text);
    assign(state_.selection, TextSelection{}, Property::Selection);
    if (kind_ != ControlKind::StatusPanel) {
        form_.raise(*this, Event::Change);
    }
}

void Control::addItem(std::string item) {
    require(Property::Items);
    state_.items.push_back(std::move(item));
    notify(Property::Items);
}

void Control::addItems(const std::vector<std::string>& items) {
    require(Property::Items);
    if (!items.empty()) {
        state_.items.insert(state_.items.end(), items.begin(), items.end());
        notify(Property::Items);
    }
}

void Control::clearItems() {
    require(Property::Items);
    assign(state_.listIndex, -1, Property::ListIndex);
    if (!state_.items.empty()) {
        state_.items.clear();
        notify(Property::Items);
    }
    assign(state_.text, std::string_view(), Property::Text);
}

void Control::setListIndex(int index) {
    require(Property::ListIndex);
    if (index < -1 || index >= static_cast<int>(state_.items.size())) {
        throw PlatformError(path() + ": there is no item at position " + std::to_string(index) +
                            " (the list has " + std::to_string(state_.items.size()) + " items)");
    }
    if (index == -1) {
        assign(state_.listIndex, -1, Property::ListIndex);
        assign(state_.text, std::string_view(), Property::Text);
        return;
    }
    select(index);
}

void Control::select(int index) {
    assign(state_.listIndex, index, Property::ListIndex);
    assign(state_.text, state_.items[static_cast<std::size_t>(index)], Property::Text);
    form_.raise(*this, Event::Click);
}

void Control::setValue(int value) {
    require(Property::Value);
    if (kind_ == ControlKind::ProgressBar) {
        if (value < 0 || value > 100) {
            throw PlatformError(path() + ": a progress bar value is 0 to 100, not " +
                                std::to_string(value));
        }
        assign(state_.value, value, Property::Value);
        return;
    }
    if (value != 0 && value != 1) {
        throw PlatformError(path() + ": the value of a " + std::string(kindName(kind_)) +
                            " is 0 or 1, not " + std::to_string(value));
    }
    if (kind_ == ControlKind::CheckBox) {
        if (value != state_.value) {
            assign(state_.value, value, Property::Value);
            form_.raise(*this, Event::Click);
        }
        return;
    }
    if (value == 1) {
        deselectOtherOptions();
        assign(state_.value, 1, Property::Value);
        form_.raise(*this, Event::Click);
    } else {
        assign(state_.value, 0, Property::Value);
    }
}

void Control::deselectOtherOptions() {
    for (const auto& other : form_.controls_) {
        if (other.get() != this && other->kind_ == ControlKind::OptionButton &&
            other->container_ == container_) {
            other->assign(other->state_.value, 0, Property::Value);
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
    assign(state_.caption, std::move(caption), Property::Caption);
}

void Control::setChecked(bool checked) {
    require(Property::Checked);
    assign(state_.checked, checked, Property::Checked);
}

void Control::setPicture(int picture) {
    require(Property::Picture);
    if (picture < 0) {
        throw PlatformError(path() + ": a picture id cannot be negative");
    }
    assign(state_.picture, picture, Property::Picture);
}

void Control::setInterval(int milliseconds) {
    require(Property::Interval);
    if (milliseconds < 0) {
        throw PlatformError(path() + ": a timer interval cannot be negative");
    }
    assign(state_.interval, milliseconds, Property::Interval);
}

void Control::setSelection(TextSelection selection) {
    require(Property::Selection);
    const auto characters = utf8::decode(state_.text);
    const long long count = characters ? static_cast<long long>(characters->size()) : 0;
    if (selection.start < 0 || selection.length < 0 ||
        static_cast<long long>(selection.start) + selection.length > count) {
        throw PlatformError(
            path() + ": characters " + std::to_string(selection.start) + " to " +
            std::to_string(static_cast<long long>(selection.start) + selection.length) +
            " are not within a text of " + std::to_string(count) + " characters");
    }
    assign(state_.selection, selection, Property::Selection);
}

void Control::setFont(TextFont font) {
    require(Property::Font);
    if (!(font.points >= 0 && font.points <= 1638)) {
        throw PlatformError(path() + ": a font size is 0 to 1638 points");
    }
    assign(state_.font, std::move(font), Property::Font);
}

void Control::setChart(ChartData chart) {
    require(Property::Chart);
    for (const ChartSeries& series : chart.series) {
        if (series.values.size() != chart.categories.size()) {
            throw PlatformError(path() + ": the series \"" + series.name + "\" has " +
                                std::to_string(series.values.size()) + " values for " +
                                std::to_string(chart.categories.size()) + " categories");
        }
        if (series.axis < 0 || series.axis >= std::ssize(chart.axisTitles)) {
            throw PlatformError(path() + ": the series \"" + series.name +
                                "\" is drawn against a value axis the chart does not have");
        }
    }
    assign(state_.chart, std::move(chart), Property::Chart);
}

void Control::setEnabled(bool enabled) {
    assign(state_.enabled, enabled, Property::Enabled);
}

void Control::setVisible(bool visible) {
    assign(state_.visible, visible, Property::Visible);
}

void Control::setLocked(bool locked) {
    assign(state_.locked, locked, Property::Locked);
}

void Control::setBackColour(Colour colour) {
    assign(state_.back, colour, Property::BackColour);
}

void Control::setForeColour(Colour colour) {
    assign(state_.fore, colour, Property::ForeColour);
}

void Control::setToolTip(std::string toolTip) {
    assign(state_.toolTip, std::move(toolTip), Property::ToolTip);
}

void Control::restore(const ControlState& saved, std::uint32_t properties) {
    const auto back = [&](Property property, auto& field, const auto& value) {
        if ((properties & propertyBit(property)) != 0) {
            assign(field, value, property);
        }
    };
    // The items first, so that a bound list has the item its index and text then select.
    back(Property::Items, state_.items, saved.items);
    back(Property::ListIndex, state_.listIndex, saved.listIndex);
    back(Property::Text, state_.text, saved.text);
    back(Property::Value, state_.value, saved.value);
    back(Property::Caption, state_.caption, saved.caption);
    back(Property::Checked, state_.checked, saved.checked);
    back(Property::Picture, state_.picture, saved.picture);
    back(Property::Interval, state_.interval, saved.interval);
    back(Property::Enabled, state_.enabled, saved.enabled);
    back(Property::Visible, state_.visible, saved.visible);
    back(Property::Locked, state_.locked, saved.locked);
    back(Property::BackColour, state_.back, saved.back);
    back(Property::ForeColour, state_.fore, saved.fore);
    back(Property::ToolTip, state_.toolTip, saved.toolTip);
    back(Property::Selection, state_.selection, saved.selection);
    back(Property::Font, state_.font, saved.font);
    back(Property::Chart, state_.chart, saved.chart);
}

} // namespace rac::platform
