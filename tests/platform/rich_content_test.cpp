#include "event_log.h"
#include "platform/form_snapshot.h"
#include "platform/platform_error.h"
#include "platform/user_actions.h"
#include "support/form_mirror.h"

#include <gtest/gtest.h>

namespace rac::platform {
namespace {

ChartData savingsChart() {
    return {"Energy and Cost Savings by Bin - Dubai",
            {"Bin 1", "Bin 2"},
            {{"Energy Saving (kWh)", {120.0, 0.0}, 0}, {"Cost Saving (DH)", {4.5, 0.25}, 1}},
            {"Energy Saving", "Cost Saving"}};
}

// A summary-like window: a read-only document box, a grid cell and a chart.
class RichContent : public ::testing::Test {
  protected:
    RichContent() {
        Control& box = form.add(ControlKind::RichTextBox, "RichTextBox1");
        box.setText("SUMMARY\n°C\tm³/s");
        box.setLocked(true);
        form.addElement(ControlKind::TextBox, "txtBinDB", 1).setText("-8.0");
        form.add(ControlKind::Chart, "chartBinResults");
        form.show();
        log.watch(form, {"RichTextBox1"});
    }

    Form form{"frmSummary"};
    testing_support::EventLog log;
};

TEST_F(RichContent, SelectionCountsCharactersAndANewTextClearsIt) {
    Control& box = form.at("RichTextBox1");
    // "°C" and "m³/s" are two and four characters though three and five bytes.
    box.setSelection({11, 4}); // "m³/s", the end of the 15-character text
    EXPECT_THROW(box.setSelection({11, 5}), PlatformError);
    EXPECT_THROW(box.setSelection({-1, 1}), PlatformError);
    EXPECT_EQ(box.selection(), (TextSelection{11, 4})) << "a refused selection changes nothing";

    box.setText(box.text() + "\ncomment");
    EXPECT_EQ(box.selection(), (TextSelection{0, 0}));
    EXPECT_EQ(log.entries, (std::vector<std::string>{"Change RichTextBox1"}));
}

// A user's selection in the locked summary box is in the selection_summary transcript.
TEST_F(RichContent, AUserCannotTypeIntoAReadOnlyBoxNorSelectInAnotherKind) {
    EXPECT_FALSE(user::set(form, "RichTextBox1", "edited"));
    EXPECT_THROW(user::select(form, "txtBinDB(1)", {0, 1}), PlatformError);
    form.at("RichTextBox1").setLocked(false);
    EXPECT_TRUE(user::set(form, "RichTextBox1", "edited"));
}

TEST_F(RichContent, FontsAndChartsAreCheckedWhenSet) {
    Control& box = form.at("RichTextBox1");
    box.setFont({"Arial", 8.25, true});
    EXPECT_THROW(box.setFont({"Arial", -1, false}), PlatformError);
    EXPECT_EQ(box.font(), (TextFont{"Arial", 8.25, true}));
    EXPECT_THROW(form.at("txtBinDB(1)").setFont({"Arial", 8, false}), PlatformError);

    Control& chart = form.at("chartBinResults");
    chart.setChart(savingsChart());
    ChartData shortSeries = savingsChart();
    shortSeries.series[1].values.pop_back();
    EXPECT_THROW(chart.setChart(shortSeries), PlatformError);
    ChartData noSuchAxis = savingsChart();
    noSuchAxis.series[0].axis = 2;
    EXPECT_THROW(chart.setChart(noSuchAxis), PlatformError);
    EXPECT_EQ(chart.chart(), savingsChart());
}

// The dumps of a selection, a font, a chart and a cell's colour are in the transcripts.
TEST_F(RichContent, SnapshotsAndMirrorsCarryTheNewContent) {
    test::FormMirror mirror(form);
    FormSnapshot snapshot(form);
    const test::FormView before(form);

    form.at("RichTextBox1").setFont({"Arial", 8.25, true});
    form.at("RichTextBox1").setSelection({0, 7});
    form.at("chartBinResults").setChart(savingsChart());
    form.at("txtBinDB(1)").setBackColour(Colour{255, 192, 192}); // a heating bin's cell

    EXPECT_TRUE(test::sameView(mirror.view(), test::FormView(form)));

    snapshot.restore();
    EXPECT_TRUE(test::sameView(test::FormView(form), before));
    EXPECT_TRUE(test::sameView(mirror.view(), before));
}

} // namespace
} // namespace rac::platform
