#pragma once

#include "platform/screen_dump.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Screens compared as a user or a bound window sees them.
namespace rac::test {

// The state, title, mouse pointer, focus and every control's dump of a form, as one comparable
// value.
struct FormView {
    platform::FormDump dump;
    std::string title;
    platform::MousePointer pointer = platform::MousePointer::Normal;
    std::string focus; // the name of the control with the focus, or empty

    explicit FormView(const platform::Form& form)
        : dump(platform::dumpForm(form)), title(form.title()), pointer(form.mousePointer()),
          focus(form.focus() != nullptr ? form.focus()->name() : "") {}
};

// Reports the first difference, naming the control and the field.
inline ::testing::AssertionResult sameView(const FormView& actual, const FormView& expected) {
    const auto differs = [&](const std::string& what) {
        return ::testing::AssertionFailure() << actual.dump.name << ": " << what << " differs";
    };
    if (actual.dump.state != expected.dump.state || actual.title != expected.title ||
        actual.pointer != expected.pointer || actual.focus != expected.focus) {
        return differs("the form's own state (state, title, pointer or focus)");
    }
    if (actual.dump.controls.size() != expected.dump.controls.size()) {
        return differs("the number of controls");
    }
    for (std::size_t i = 0; i < actual.dump.controls.size(); ++i) {
        const auto& got = actual.dump.controls[i];
        const auto& want = expected.dump.controls[i];
        for (std::size_t f = 0; f < std::min(got.fields.size(), want.fields.size()); ++f) {
            if (!(got.fields[f] == want.fields[f])) {
                return differs(got.name + "." + got.fields[f].key);
            }
        }
        if (got.name != want.name || got.fields.size() != want.fields.size()) {
            return differs(got.name);
        }
    }
    return ::testing::AssertionSuccess();
}

// A window bound to a form as the desktop binds one: it starts as a copy of the form and from
// then on copies only the property it is told of. It shows what the form shows only if its
// observers are told of every change.
class FormMirror {
  public:
    explicit FormMirror(platform::Form& form) : form_(form), view_(form) {
        id_ = form.observe([this](const platform::Control* control, platform::Property property) {
            ++told_;
            copy(control, property);
        });
    }
    ~FormMirror() { form_.unobserve(id_); }
    FormMirror(const FormMirror&) = delete;
    FormMirror& operator=(const FormMirror&) = delete;

    const FormView& view() const { return view_; }
    int told() const { return told_; }

  private:
    void copy(const platform::Control* control, platform::Property property) {
        if (control == nullptr) {
            const FormView now(form_);
            switch (property) {
            case platform::Property::State:
                view_.dump.state = now.dump.state;
                break;
            case platform::Property::Title:
                view_.title = now.title;
                break;
            case platform::Property::MousePointer:
                view_.pointer = now.pointer;
                break;
            default:
                view_.focus = now.focus;
                break;
            }
            return;
        }
        // The dump lists a control's fields in the order of its kind's properties.
        const auto properties = platform::propertiesOf(control->kind());
        const auto shown = std::find(properties.begin(), properties.end(), property);
        if (shown == properties.end()) {
            return;
        }
        const auto field = static_cast<std::size_t>(shown - properties.begin());
        for (auto& mirrored : view_.dump.controls) {
            if (mirrored.name == control->name()) {
                mirrored.fields[field] = platform::dumpControl(*control).fields[field];
            }
        }
    }

    platform::Form& form_;
    FormView view_;
    std::size_t id_ = 0;
    int told_ = 0;
};

} // namespace rac::test
