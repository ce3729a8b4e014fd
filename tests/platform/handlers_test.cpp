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
        for (int index = 1; index <= 4; ++index) {
            form.addElement(ControlKind::TextBox, "txtBin", index);
        }
    }

    Handler writes(const std::string& what) {
        return [this, what](Control& control) { ran.push_back(what + " " + control.name()); };
    }

    Form form{"frmTest"};
    Ran ran;
};

TEST_F(Handlers, ALaterHandlerReplacesAnEarlierAndOneReplacingItselfRunsToItsEnd) {
    form.on("txtA", Event::Change, writes("first"));
    form.on("txtA", Event::Click, writes("click"));
    const std::string words = "the replaced handler's own state";
    form.on("txtA", Event::Change, [&, words](Control&) {
        form.on("txtA", Event::Change, writes("replacement"));
        ran.push_back(words);
    });
    form.at("txtA").setText("1");
    form.at("txtA").setText("2");
    EXPECT_EQ(ran, (Ran{"the replaced handler's own state", "replacement txtA"}));
}

TEST_F(Handlers, AnElementsOwnHandlerWinsWhicheverCameFirstAndAnEmptyOneSilencesItsArrays) {
    form.on("txtBin(2)", Event::Change, writes("own"));
    form.on("txtBin", Event::Change, writes("array"));
    form.on("txtBin(3)", Event::Change, writes("own"));
    form.on("txtBin(4)", Event::Change, Handler{});
    form.onKeyPress("txtBin", [this](Control& control, char32_t& key) {
        ran.push_back("key " + control.name());
        key = 'x';
    });
    for (int index = 1; index <= 4; ++index) {
        form.at("txtBin", index).setText("1");
    }
    EXPECT_EQ(form.raiseKeyPress(form.at("txtBin(3)"), 'a'), U'x');
    EXPECT_EQ(ran, (Ran{"array txtBin(1)", "own txtBin(2)", "own txtBin(3)", "key txtBin(3)"}));
    EXPECT_EQ(form.at("txtBin(3)").arrayName(), "txtBin");
    EXPECT_EQ(form.at("txtBin(3)").index(), 3);
}

} // namespace
} // namespace rac::platform
