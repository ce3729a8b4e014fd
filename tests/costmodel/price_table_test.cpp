#include "costmodel/price_table.h"

#include <gtest/gtest.h>

namespace rac::costmodel {
namespace {

TEST(LoadPriceTable, GrossMarginIsSixtyUnlessOneIsEntered) {
    PriceTable table;
    LoadPriceTable(table, std::nullopt);
    EXPECT_EQ(table.GrossMarginPercent, 60);
    LoadPriceTable(table, 37.5);
    EXPECT_EQ(table.GrossMarginPercent, 37.5f);
    LoadPriceTable(table, 0.0);
    EXPECT_EQ(table.GrossMarginPercent, 0);
    EXPECT_EQ(table.LabourRatePerHour, 6);
}

} // namespace
} // namespace rac::costmodel
