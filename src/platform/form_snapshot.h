#pragma once

#include "platform/form.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rac::platform {

// The state of a form and of every control on it at one moment, and the way back to it: a batch
// brings a screen back to how it stood after start-up instead of building it again.
//
// Restoring puts the kept state back as it was, so it raises no event; the form's observers are
// told of each change, as of any other, so a bound window follows. The snapshot watches the form
// and puts back only the properties changed since it was taken or last restored.
class FormSnapshot {
  public:
    explicit FormSnapshot(Form& form);
    ~FormSnapshot();
    FormSnapshot(const FormSnapshot&) = delete;
    FormSnapshot& operator=(const FormSnapshot&) = delete;

    // Title, life-cycle state, mouse pointer, focus and every control's state as kept. Only
    // between events: while a handler of the form runs, it throws PlatformError.
    void restore();

  private:
    struct Kept {
        Control* control;
        ControlState state;
        std::uint32_t changed = 0; // the properties changed since, as bits 1 << Property
    };

    void changed(const Control* control, Property property);

    Form& form_;
    std::string title_;
    FormState state_;
    MousePointer pointer_;
    Control* focus_;
    std::vector<Kept> controls_; // in the form's order
    std::vector<Kept*> changed_;
    std::size_t observer_;
};

} // namespace rac::platform
