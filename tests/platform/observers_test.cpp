#include "platform/form.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace rac::platform {
namespace {

using Heard = std::vector<std::string>;

class ObserversWhileTold : public ::testing::Test {
  protected:
    ObserversWhileTold() {
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

TEST_F(ObserversWhileTold, OneMayUnsubscribeItselfWhileBeingTold) {
    std::size_t self = 0;
    std::string capture = "kept alive while it runs";
    self = form.observe([&, capture](const Control*, Property) {
        form.unobserve(self);
        heard.push_back(capture);
    });
    const auto other = listen("other");
    form.at("txtA").setText("1");
    form.at("txtA").setText("2");
    EXPECT_EQ(heard, (Heard{"kept alive while it runs", "other:txtA", "other:txtA"}));
    form.unobserve(other);
}

TEST_F(ObserversWhileTold, OneUnsubscribedByAnotherHearsNothingMore) {
    std::size_t second = 0;
    form.observe([&](const Control*, Property) { form.unobserve(second); });
    second = listen("second");
    form.at("txtA").setText("1");
    form.at("txtA").setText("2");
    EXPECT_EQ(heard, Heard{});
}

TEST_F(ObserversWhileTold, OneSubscribedWhileOthersAreToldHearsFromTheNextChange) {
    bool subscribed = false;
    form.observe([&](const Control*, Property) {
        if (!subscribed) {
            subscribed = true;
            listen("late");
        }
    });
    form.at("txtA").setText("1");
    form.at("txtB").setText("1");
    EXPECT_EQ(heard, (Heard{"late:txtB"}));
}

TEST_F(ObserversWhileTold, AChangeMadeWhileToldIsToldToAllInTurn) {
    form.observe([&](const Control* control, Property) {
        if (control != nullptr && control->name() == "txtA") {
            form.at("txtB").setText(control->text());
        }
    });
    const auto last = listen("last");
    form.at("txtA").setText("1");
    EXPECT_EQ(heard, (Heard{"last:txtB", "last:txtA"}));
    form.unobserve(last);
    form.at("txtA").setText("2");
    EXPECT_EQ(heard.size(), 2u);
}

} // namespace
} // namespace rac::platform
