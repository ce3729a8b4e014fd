#include "platform/form_snapshot.h"

#include "platform/platform_error.h"

namespace rac::platform {

FormSnapshot::FormSnapshot(Form& form)
    : form_(form), title_(form.title()), state_(form.state()), pointer_(form.mousePointer()),
      focus_(form.focus()) {
    for (Control* control : form.controls()) {
        controls_.push_back(Kept{control, control->state()});
    }
    observer_ = form.observe(
        [this](const Control* control, Property property) { changed(control, property); });
}

FormSnapshot::~FormSnapshot() {
    form_.unobserve(observer_);
}

void FormSnapshot::changed(const Control* control, Property property) {
    // The form's own state is a few fields, put back every time; a control added since the
    // snapshot makes restore refuse the form.
    if (control == nullptr || control->position_ >= controls_.size()) {
        return;
    }
    Kept& kept = controls_[control->position_];
    if (kept.changed == 0) {
        changed_.push_back(&kept);
    }
    kept.changed |= propertyBit(property);
}

void FormSnapshot::restore() {
    if (!form_.running_.empty()) {
        throw PlatformError(form_.name() + ": a snapshot is restored only between events");
    }
    if (form_.controls_.size() != controls_.size()) {
        throw PlatformError(form_.name() + ": controls were added after the snapshot");
    }
    // A control is struck off only once it is back, so the changes its restoring reports are
    // not taken for new ones, and one whose observer throws stays on the list.
    while (!changed_.empty()) {
        Kept& kept = *changed_.back();
        kept.control->restore(kept.state, kept.changed);
        kept.changed = 0;
        changed_.pop_back();
    }
    form_.setTitle(title_);
    form_.setState(state_);
    form_.setMousePointer(pointer_);
    if (form_.focus_ != focus_) {
        form_.focus_ = focus_;
        form_.notify(nullptr, Property::Focus);
    }
}

} // namespace rac::platform
