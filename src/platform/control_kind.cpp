#include "platform/control_kind.h"

#include <array>

namespace rac::platform {

namespace {

using P = Property;

constexpr std::array textBox{P::Text,   P::Enabled,    P::Visible,
                             P::Locked, P::BackColour, P::ForeColour};
constexpr std::array list{P::Text,    P::Items,  P::ListIndex,  P::Enabled,
                          P::Visible, P::Locked, P::BackColour, P::ForeColour};
constexpr std::array choice{P::Value,   P::Caption,    P::Enabled,
                            P::Visible, P::BackColour, P::ForeColour};
constexpr std::array commandButton{P::Caption, P::Enabled, P::Visible};
constexpr std::array label{P::Caption, P::Enabled, P::Visible, P::BackColour, P::ForeColour};
constexpr std::array frame{P::Caption, P::Enabled, P::Visible};
constexpr std::array shape{P::Visible, P::BackColour, P::ForeColour};
constexpr std::array line{P::Visible, P::ForeColour};
constexpr std::array image{P::Visible, P::Picture};
constexpr std::array progressBar{P::Value, P::Visible};
constexpr std::array timer{P::Enabled, P::Interval};
constexpr std::array menuEntry{P::Caption, P::Checked, P::Enabled};
constexpr std::array toolbarButton{P::Enabled, P::ToolTip};
constexpr std::array statusPanel{P::Text, P::Picture, P::Visible};
constexpr std::array richTextBox{P::Text,    P::Selection, P::Font,       P::Enabled,
                                 P::Visible, P::Locked,    P::BackColour, P::ForeColour};
constexpr std::array chart{P::Chart, P::Visible};

} // namespace

std::string_view kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox:
        return "text box";
    case ControlKind::List:
        return "list";
    case ControlKind::EditableList:
        return "editable list";
    case ControlKind::CheckBox:
        return "check box";
    case ControlKind::OptionButton:
        return "option button";
    case ControlKind::CommandButton:
        return "command button";
    case ControlKind::Label:
        return "label";
    case ControlKind::Frame:
        return "frame";
    case ControlKind::Shape:
        return "shape";
    case ControlKind::Line:
        return "line";
    case ControlKind::Image:
        return "image";
    case ControlKind::ProgressBar:
        return "progress bar";
    case ControlKind::Timer:
        return "timer";
    case ControlKind::MenuEntry:
        return "menu entry";
    case ControlKind::ToolbarButton:
        return "toolbar button";
    case ControlKind::StatusPanel:
        return "status panel";
    case ControlKind::RichTextBox:
        return "rich-text box";
    case ControlKind::Chart:
        return "chart";
    }
    return "control";
}

std::span<const Property> propertiesOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox:
        return textBox;
    case ControlKind::List:
    case ControlKind::EditableList:
        return list;
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
        return choice;
    case ControlKind::CommandButton:
        return commandButton;
    case ControlKind::Label:
        return label;
    case ControlKind::Frame:
        return frame;
    case ControlKind::Shape:
        return shape;
    case ControlKind::Line:
        return line;
    case ControlKind::Image:
        return image;
    case ControlKind::ProgressBar:
        return progressBar;
    case ControlKind::Timer:
        return timer;
    case ControlKind::MenuEntry:
        return menuEntry;
    case ControlKind::ToolbarButton:
        return toolbarButton;
    case ControlKind::StatusPanel:
        return statusPanel;
    case ControlKind::RichTextBox:
        return richTextBox;
    case ControlKind::Chart:
        return chart;
    }
    return {};
}

std::uint32_t propertyBits(ControlKind kind) {
    std::uint32_t bits = 0;
    for (const Property shown : propertiesOf(kind)) {
        bits |= propertyBit(shown);
    }
    return bits;
}

bool hasProperty(ControlKind kind, Property property) {
    return (propertyBits(kind) & propertyBit(property)) != 0;
}

bool takesFocus(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::RichTextBox:
    case ControlKind::List:
    case ControlKind::EditableList:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::CommandButton:
        return true;
    default:
        return false;
    }
}

bool isContainer(ControlKind kind) {
    return kind == ControlKind::Frame || kind == ControlKind::MenuEntry;
}

} // namespace rac::platform
