#include "platform/form.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace rac::platform {
namespace {

using Heard = std::vector<std::string>;

class Observers : public ::testing::Test {
  protected:
    Observers() {
        form.add(ControlKind::TextBox, "txtA");
        form.add(ControlKind::TextBox, "txtB");
    }

    // An observer that writes "who:control" for every change it hears of.
    std::size_t listen(const std::string& who) {
        return form.observe([this, who](const Control* control, Property) {
            heard.push_back(who + ":" + (control != nullptr ? control->name() : "form"));
        });
    }

    Form form{"frmTest"};
    Heard heard;
};

TEST_F(Observers, ToldOfEachChangeBeforeTheHandlerAndNeverOfNoChange) {
    Control& text = form.at("txtA");
    const auto said = [](const std::string& who, Property property) {
        return who + ":" + std::to_string(static_cast<int>(property));
    };
    const auto id = form.observe([&](const Control* c, Property property) {
        heard.push_back(said(c != nullptr ? c->name() : "form", property));
    });
    form.on("txtA", Event::Change, [&](Control&) { heard.push_back("handler"); });
    text.setText("1");
    text.setText("1");
    text.setEnabled(true);
    text.setBackColour(black);
    form.setMousePointer(MousePointer::Wait);
    EXPECT_EQ(heard,
              (Heard{said("txtA", Property::Text), "handler", said("txtA", Property::BackColour),
                     said("form", Property::MousePointer)}));
    form.unobserve(id);
    heard.clear();
    text.setText("2");
    EXPECT_EQ(heard, (Heard{"handler"}));
}

TEST_F(Observers, OneMayUnsubscribeItselfWhileBeingTold) {
    std::size_t self = 0;
    std::string capture = "kept alive while it runs";
    self = form.observe([&, capture](const Control*, Property) {
        form.unobserve(self);
        heard.push_back(capture);
    });
    listen("other");
    form.at("txtA").setText("1");
    form.at("txtA").setText("2");
    EXPECT_EQ(heard, (Heard{"kept alive while it runs", "other:txtA", "other:txtA"}));
}

TEST_F(Observers, OneUnsubscribedByAnotherHearsNoMoreOneSubscribedHearsFromTheNextChange) {
    std::size_t second = 0;
    bool subscribed = false;
    form.observe([&](const Control*, Property) {
        form.unobserve(second);
        if (!subscribed) {
            subscribed = true;
            listen("late");
        }
    });
    second = listen("second");
    form.at("txtA").setText("1");
    form.at("txtB").setText("1");
    EXPECT_EQ(heard, (Heard{"late:txtB"}));
}

TEST_F(Observers, AChangeMadeWhileToldIsToldToAllInTurn) {
    form.observe([&](const Control* control, Property) {
        if (control != nullptr && control->name() == "txtA") {
            form.at("txtB").setText(control->text());
        }
    });
    listen("last");
    form.at("txtA").setText("1");
    EXPECT_EQ(heard, (Heard{"last:txtB", "last:txtA"}));
}

} // namespace
} // namespace rac::platform
