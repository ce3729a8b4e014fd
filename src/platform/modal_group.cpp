#include "platform/modal_group.h"

#include <algorithm>

namespace rac::platform {

ModalGroup::~ModalGroup() {
    for (const auto& [form, id] : forms_) {
        form->unobserve(id);
    }
}

void ModalGroup::add(Form& form) {
    const std::size_t id = form.observe([this, &form](const Control* control, Property property) {
        if (control == nullptr && property == Property::State) {
            stateChanged(form);
        }
    });
    forms_.emplace_back(&form, id);
    stateChanged(form);
}

void ModalGroup::stateChanged(Form& form) {
    std::erase(shownModal_, &form);
    if (form.state() == FormState::ShownModal) {
        shownModal_.push_back(&form);
    }
    block();
}

void ModalGroup::block() {
    const Form* top = modal();
    for (const auto& [form, id] : forms_) {
        form->setBlockedBy(form == top ? nullptr : top);
    }
}

} // namespace rac::platform
