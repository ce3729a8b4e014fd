#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace rac::platform {

enum class ControlKind {
    TextBox,
    List,         // a drop-down list: the user picks an item, the text is the selected item
    EditableList, // a combo box whose text can also be typed
    CheckBox,
    OptionButton,
    CommandButton,
    Label,
    Frame, // groups controls; option buttons in one frame form one group
    Shape,
    Line,
    Image,
    ProgressBar, // value 0 to 100
    Timer,
    MenuEntry, // an entry may hold sub-entries, as a frame holds controls
    ToolbarButton,
    StatusPanel,
    RichTextBox, // formatted text: a selection and a font beside the text
    Chart,       // a category chart of series
};

// Every observable piece of screen state. The first group belongs to controls, the second to
// forms; an observer of a form is told which one changed.
enum class Property {
    Text,
    Items,
    ListIndex,
    Value, // check box 0/1, option button 0/1 (selected), progress bar 0..100
    Caption,
    Checked, // menu entries
    Enabled,
    Visible,
    Locked, // read-only to the user
    BackColour,
    ForeColour,
    ToolTip,
    Picture,   // image id; 0 is none
    Interval,  // timer, milliseconds
    Selection, // rich-text box
    Font,      // rich-text box
    Chart,     // chart

    Title,
    State,
    MousePointer,
    Focus,
};

// "text box", "list", ... for messages.
std::string_view kindName(ControlKind kind);

// The properties that a control of the kind shows, in the order a dump lists them. Only these
// can be set among Text, Items, ListIndex, Value, Caption, Checked, Picture, Interval, Selection,
// Font and Chart; the others (enabled, visible, locked, colours, tool tip) can be set on any
// control.
std::span<const Property> propertiesOf(ControlKind kind);
bool hasProperty(ControlKind kind, Property property);
// The same as bits, 1 << Property: a control works them out once and tests them at every setter.
std::uint32_t propertyBits(ControlKind kind);
constexpr std::uint32_t propertyBit(Property property) {
    return std::uint32_t{1} << static_cast<unsigned>(property);
}

// Text boxes, lists, check boxes, option buttons and command buttons take the keyboard focus.
bool takesFocus(ControlKind kind);

// Frames and menu entries hold other controls.
bool isContainer(ControlKind kind);

} // namespace rac::platform
