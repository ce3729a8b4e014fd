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

TEST(PriceLookups, SheetAndBrazePricesByTheirExactNames) {
    PriceTable table;
    LoadPriceTable(table, std::nullopt);
    struct Row {
        const char* name;
        double price;
    };
    for (const Row& row :
         {Row{"16g galv", 10.0}, Row{"16g 316 stainless", 86.69}, Row{"3mm mild steel", 14.06},
          Row{"16g aluminium", 26.65}, Row{"16g Galv", 0}, Row{"N/A", 0}}) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(sheetPrice(table, row.name), static_cast<double>(static_cast<float>(row.price)));
    }
    EXPECT_EQ(brazePrice(table, "35  Silver"), static_cast<double>(0.8f));
    EXPECT_EQ(brazePrice(table, "35 Silver"), 0);
    EXPECT_EQ(brazePrice(table, "Phos 5"), static_cast<double>(0.2f));
}

} // namespace
} // namespace rac::costmodel
