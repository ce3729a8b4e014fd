#pragma once

#include "platform/colour.h"
#include "platform/control_kind.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rac::platform {

class Form;

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

    // Text boxes, lists and status panels. A text box or editable list raises Change when the
    // text differs from the one it has. A drop-down list selects the item with that text (and
    // raises Click, as a pick does); a text that is no item is an error.
    const std::string& text() const { return text_; }
    void setText(std::string_view text);

    // Lists. Filling or emptying a list raises nothing; emptying also deselects and blanks the
    // text. Selecting an item shows its text and raises Click, even when it is already selected;
    // -1 deselects, blanks the text and raises nothing.
    const std::vector<std::string>& items() const { return items_; }
    int listIndex() const { return listIndex_; }
    void addItem(std::string item);
    void addItems(const std::vector<std::string>& items);
    void clearItems();
    void setListIndex(int index);

    // Check boxes (0 or 1; Click when the value changes), option buttons (1 selects: the other
    // options of the same container are deselected and Click is raised, even when it was already
    // selected; 0 deselects without an event) and progress bars (0 to 100, no event).
    int value() const { return value_; }
    void setValue(int value);

    // Command buttons, menu entries and toolbar buttons: the program presses it, raising Click
    // whatever its enabled state (a user's click goes through the user actions instead).
    void press();

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool checked() const { return checked_; } // menu entries; no event
    void setChecked(bool checked);
    int picture() const { return picture_; }
    void setPicture(int picture);
    int interval() const { return interval_; } // timers, milliseconds (0 stops the timer)
    void setInterval(int milliseconds);

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool locked() const { return locked_; }
    void setLocked(bool locked);
    Colour backColour() const { return back_; }
    void setBackColour(Colour colour);
    Colour foreColour() const { return fore_; }
    void setForeColour(Colour colour);
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string toolTip);

  private:
    friend class Form;
    Control(Form& form, ControlKind kind, std::string name, std::string arrayName,
            std::optional<int> index, const Control* container);

    // The full name for messages: "frmMain.txtDuty".
    std::string path() const;
    void require(Property property) const;
    void notify(Property property);
    template <typename T> void assign(T& field, T value, Property property);
    void select(int index);
    void deselectOtherOptions();

    Form& form_;
    ControlKind kind_;
    std::string name_;
    std::string arrayName_;
    std::optional<int> index_;
    const Control* container_;

    std::string text_;
    std::vector<std::string> items_;
    int listIndex_ = -1;
    int value_ = 0;
    std::string caption_;
    bool checked_ = false;
    int picture_ = 0;
    int interval_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    bool locked_ = false;
    Colour back_ = white;
    Colour fore_ = black;
    std::string toolTip_;
};

} // namespace rac::platform
