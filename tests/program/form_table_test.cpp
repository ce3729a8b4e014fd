#include "platform/services.h"
#include "program/application.h"
#include "program/form_table.h"
#include "support/form_mirror.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace rac::program {
namespace {

using test::FormView;
using test::sameView;

TEST(FormTable, MakesEveryFormOnceUnderItsOwnNameAndFindsItByIt) {
    platform::RecordingServices services;
    Application app(services.services());
    std::set<std::string> names;
    forEachFormEntry([&](const auto& entry) { names.insert(std::string(entry.name)); });
    const auto forms = app.forms();
    ASSERT_EQ(forms.size(), names.size()) << "each entry makes one form, under a name of its own";
    for (const platform::Form* form : forms) {
        EXPECT_TRUE(names.contains(form->name())) << form->name();
        EXPECT_FALSE(form->loaded()) << form->name() << " loads only when first used";
        EXPECT_EQ(app.form(form->name()), form);
    }
    EXPECT_EQ(app.form("frmNoSuchForm"), nullptr);
}

// Whatever a session leaves on a form, closing it discards: loaded again, it is as when it
// first loaded. Only states that raise no event are varied, so no other form is touched.
TEST(FormTable, EveryFormComesBackAtItsDesignStateAfterAnUnload) {
    platform::RecordingServices services;
    Application app(services.services());
    for (platform::Form* form : app.forms()) {
        form->load();
        const FormView loaded(*form);
        for (platform::Control* control : form->controls()) {
            control->setEnabled(!control->enabled());
            control->setVisible(!control->visible());
            control->setToolTip("changed");
        }
        form->setTitle("changed");
        form->unload();
        form->load();
        EXPECT_TRUE(sameView(FormView(*form), loaded)) << form->name();
    }
}

} // namespace
} // namespace rac::program
