#pragma once

#include "platform/colour.h"
#include "platform/control_kind.h"
#include "platform/rich_content.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rac::platform {

class Form;
class FormSnapshot;
class Control;

enum class Event { Click, Change, KeyPress, GotFocus, LostFocus, Timer };
inline constexpr auto eventCount = static_cast<std::size_t>(Event::Timer) + 1;

using Handler = std::function<void(Control&)>;
// The handler may replace the typed character; 7 (bell) inserts nothing.
using KeyHandler = std::function<void(Control&, char32_t& key)>;

// The handlers registered for one control or control array, null where none is. They are shared
// so that a handler replaced while it runs lives until it returns.
struct HandlerSlots {
    std::array<std::shared_ptr<const Handler>, eventCount> events; // the KeyPress slot stays null
    std::shared_ptr<const KeyHandler> keyPress;
};

// Everything a control shows, as one value: what a form snapshot keeps and puts back.
struct ControlState {
    std::string text;
    std::vector<std::string> items;
    int listIndex = -1;
    int value = 0;
    std::string caption;
    bool checked = false;
    int picture = 0;
    int interval = 0;
    bool enabled = true;
    bool visible = true;
    bool locked = false;
    Colour back = white;
    Colour fore = black;
    std::string toolTip;
    TextSelection selection;
    TextFont font;
    ChartData chart;

    friend bool operator==(const ControlState&, const ControlState&) = default;
};

// One named control of a form. The setters are the program's own: those of a list index, a check
// value, an option and a text raise at once the event a user's action raises (Click or Change),
// and return only after its handler has run. Every state change is reported to the form's
// observers before any handler runs.
class Control {
  public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; } // "txtDuty", "txtBinDB(3)"
    ControlKind kind() const { return kind_; }
    Form& form() const { return form_; }
    // For an element of a control array: the array's name and the element's index.
    const std::string& arrayName() const { return arrayName_; }
    std::optional<int> index() const { return index_; }
    // The frame or menu entry that holds the control; null when the form itself does.
    const Control* container() const { return container_; }

    // Text boxes, rich-text boxes, lists and status panels. A text box, rich-text box or editable
    // list raises Change when the text differs from the one it has; a new text clears the
    // selection of a rich-text box. A drop-down list selects the item with that text (and
    // raises Click, as a pick does); a text that is no item is an error.
    const std::string& text() const { return state_.text; }
    void setText(std::string_view text);

    // Lists. Filling or emptying a list raises nothing; emptying also deselects and blanks the
    // text. Selecting an item shows its text and raises Click, even when it is already selected;
    // -1 deselects, blanks the text and raises nothing.
    const std::vector<std::string>& items() const { return state_.items; }
    int listIndex() const { return state_.listIndex; }
    void addItem(std::string item);
    void addItems(const std::vector<std::string>& items);
    void clearItems();
    void setListIndex(int index);

    // Check boxes (0 or 1; Click when the value changes), option buttons (1 selects: the other
    // options of the same container are deselected and Click is raised, even when it was already
    // selected; 0 deselects without an event) and progress bars (0 to 100, no event).
    int value() const { return state_.value; }
    void setValue(int value);

    // Command buttons, menu entries and toolbar buttons: the program presses it, raising Click
    // whatever its enabled state (a user's click goes through the user actions instead).
    void press();

    const std::string& caption() const { return state_.caption; }
    void setCaption(std::string caption);
    bool checked() const { return state_.checked; } // menu entries; no event
    void setChecked(bool checked);
    int picture() const { return state_.picture; }
    void setPicture(int picture);
    int interval() const { return state_.interval; } // timers, milliseconds (0 stops the timer)
    void setInterval(int milliseconds);

    // Rich-text boxes: the selected characters (within the text: PlatformError otherwise) and the
    // font of the whole text. Neither raises an event.
    const TextSelection& selection() const { return state_.selection; }
    void setSelection(TextSelection selection);
    const TextFont& font() const { return state_.font; }
    void setFont(TextFont font);
    // Charts; no event.
    const ChartData& chart() const { return state_.chart; }
    void setChart(ChartData chart);

    bool enabled() const { return state_.enabled; }
    void setEnabled(bool enabled);
    bool visible() const { return state_.visible; }
    void setVisible(bool visible);
    bool locked() const { return state_.locked; }
    void setLocked(bool locked);
    Colour backColour() const { return state_.back; }
    void setBackColour(Colour colour);
    Colour foreColour() const { return state_.fore; }
    void setForeColour(Colour colour);
    const std::string& toolTip() const { return state_.toolTip; }
    void setToolTip(std::string toolTip);

    const ControlState& state() const { return state_; }

  private:
    friend class Form;
    friend class FormSnapshot;
    Control(Form& form, std::size_t position, ControlKind kind, std::string name,
            std::string arrayName, std::optional<int> index, const Control* container);

    // The full name for messages: "frmMain.txtDuty".
    std::string path() const;
    void require(Property property) const;
    void notify(Property property);
    template <typename T, typename V> void assign(T& field, V&& value, Property property);
    void select(int index);
    void deselectOtherOptions();
    // Puts the properties of a kept state that are among `properties` (bits 1 << Property) back,
    // without raising any event, telling the observers of each change.
    void restore(const ControlState& saved, std::uint32_t properties);

    Form& form_;
    std::size_t position_; // among the form's controls, in the order they were added
    ControlKind kind_;
    std::uint32_t propertyBits_; // propertyBits(kind_)
    std::string name_;
    std::string arrayName_;
    std::optional<int> index_;
    const Control* container_;

    ControlState state_;
    HandlerSlots handlers_;
};

} // namespace rac::platform
