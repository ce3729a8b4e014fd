#include "foundation/numbers.h"
#include "paybackmodel/design_payback.h"
#include "row_label.h"

#include <gtest/gtest.h>
#include <string>

namespace rac::paybackmodel {
namespace {

using numbers::format;
using numbers::Pattern;

struct DesignRow {
    const char* label;
    DesignPaybackInputs inputs; // Q (W), H, E, P
    float saving;               // kWh
    float costSaving;
    std::optional<float> months;
    const char* shownMonths; // "" when there is no payback
};

class DesignPaybackCase : public ::testing::TestWithParam<DesignRow> {};

TEST_P(DesignPaybackCase, SavingsAndPayback) {
    const DesignRow& row = GetParam();
    const DesignPayback result = CalcDesignPayback(row.inputs);
    EXPECT_FLOAT_EQ(result.AnnualEnergySaving, row.saving);
    EXPECT_FLOAT_EQ(result.AnnualEnergyCostSaving, row.costSaving);
    ASSERT_EQ(result.PaybackMonths.has_value(), row.months.has_value());
    if (row.months) {
        EXPECT_FLOAT_EQ(*result.PaybackMonths, *row.months);
        EXPECT_EQ(format(*result.PaybackMonths, Pattern::Whole), row.shownMonths);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Design, DesignPaybackCase,
    ::testing::Values(
        DesignRow{"TwoKilowattsThreeThousandHours", {2000, 3000, 0.03, 900}, 6000, 180, 60, "60"},
        DesignRow{"SmallestEnergyCostLongestYear",
                  {1500, 8760, 0.000001, 1},
                  13140,
                  0.01314f,
                  913.24203f,
                  "913"},
        DesignRow{
            "LargestEnergyCostShortestYear", {250.5f, 100, 1000, 12525}, 25.05f, 25050, 6, "6"},
        // No duty saves nothing: the savings stay zero and the payback has no value.
        DesignRow{"NoDutyNoPayback", {0, 3000, 0.03, 900}, 0, 0, std::nullopt, ""},
        // A saving so small that months would overflow a float has no payback either.
        DesignRow{
            "PaybackBeyondAFloat", {1e-30f, 100, 0.000001, 1e6}, 1e-31f, 1e-37f, std::nullopt, ""}),
    RowLabel{});

} // namespace
} // namespace rac::paybackmodel
