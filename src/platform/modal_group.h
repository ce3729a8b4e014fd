#pragma once

#include "platform/form.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace rac::platform {

// The forms of one program. While one of them is shown modal, the user can act on none of the
// others: each is blocked by the modal form shown last, until it is hidden or unloaded, and the
// one shown modal before it (if still shown so) takes over.
class ModalGroup {
  public:
    ModalGroup() = default;
    ~ModalGroup();
    ModalGroup(const ModalGroup&) = delete;
    ModalGroup& operator=(const ModalGroup&) = delete;

    // The form must outlive the group.
    void add(Form& form);
    // The form shown modal that blocks the others, or null.
    const Form* modal() const { return shownModal_.empty() ? nullptr : shownModal_.back(); }

  private:
    void stateChanged(Form& form);
    void block();

    std::vector<std::pair<Form*, std::size_t>> forms_; // with their observer ids
    std::vector<Form*> shownModal_;                    // in the order they were shown
};

} // namespace rac::platform
