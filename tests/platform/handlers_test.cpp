#include "platform/form.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace rac::platform {
namespace {

using Ran = std::vector<std::string>;

class Handlers : public ::testing::Test {
  protected:
    Handlers() {
        form.add(ControlKind::TextBox, "txtA");
        for (int index = 1; index <= 3; ++index) {
            form.addElement(ControlKind::TextBox, "txtBin", index);
        }
    }

    Handler writes(const std::string& what) {
        return [this, what](Control& control) { ran.push_back(what + " " + control.name()); };
    }

    Form form{"frmTest"};
    Ran ran;
};

TEST_F(Handlers, ALaterHandlerReplacesAnEarlier) {
    form.on("txtA", Event::Change, writes("first"));
    form.on("txtA", Event::Change, writes("second"));
    form.on("txtA", Event::Click, writes("click"));
    form.at("txtA").setText("1");
    EXPECT_EQ(ran, (Ran{"second txtA"}));
}

TEST_F(Handlers, AHandlerThatReplacesItselfRunsToItsEnd) {
    const std::string words = "the replaced handler's own state";
    form.on("txtA", Event::Change, [&, words](Control&) {
        form.on("txtA", Event::Change, writes("replacement"));
        ran.push_back(words);
    });
    form.at("txtA").setText("1");
    form.at("txtA").setText("2");
    EXPECT_EQ(ran, (Ran{"the replaced handler's own state", "replacement txtA"}));
}

TEST_F(Handlers, AnElementsOwnHandlerWinsWhicheverCameFirst) {
    form.on("txtBin(2)", Event::Change, writes("own"));
    form.on("txtBin", Event::Change, writes("array"));
    form.onKeyPress("txtBin", [this](Control& control, char32_t& key) {
        ran.push_back("key " + control.name());
        key = 'x';
    });
    for (int index = 1; index <= 3; ++index) {
        form.at("txtBin", index).setText("1");
    }
    EXPECT_EQ(form.raiseKeyPress(form.at("txtBin(3)"), 'a'), U'x');
    EXPECT_EQ(ran, (Ran{"array txtBin(1)", "own txtBin(2)", "array txtBin(3)", "key txtBin(3)"}));
}

TEST_F(Handlers, AnEmptyHandlerOfAnElementSilencesItsArrays) {
    form.on("txtBin", Event::Change, writes("array"));
    form.on("txtBin(1)", Event::Change, Handler{});
    form.at("txtBin", 1).setText("1");
    form.at("txtBin", 2).setText("1");
    EXPECT_EQ(ran, (Ran{"array txtBin(2)"}));
}

} // namespace
} // namespace rac::platform
