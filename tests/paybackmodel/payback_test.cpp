#include "foundation/numbers.h"
#include "paybackmodel/bin_locations.h"
#include "paybackmodel/bin_payback.h"
#include "paybackmodel/design_payback.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace rac::paybackmodel {
namespace {

using numbers::format;
using numbers::Pattern;

enum Location { London = 0, Dubai = 3, Oman = 10 };

BinTables Loaded(Location location) {
    BinTables tables;
    EXPECT_TRUE(LoadBinData(tables, location));
    return tables;
}

// London heating design: 10 kW recovered with the extract at 20 C and the supply at 0 C, so
// each bin saves (20 - dry bulb) x 500 W. Energy at 0.1 per kWh, coils at 10000.
BinPayback LondonHeating() {
    return CalcBinPayback({10000, 20, 0, 20.0, 0.1, 10000}, Loaded(London));
}

struct LondonBinRow {
    const char* label;
    int bin; // 1 to 10
    const char* season;
    float kWh; // signed
    const char* shownKWh;
    float cash;
    const char* shownCash;
};

TEST(BinPayback, LondonHeatingSeasonSavingAndCashOfSelectedBins) {
    const LondonBinRow rows[] = {
        {"coldest bin", 1, "Heating", 14, "14", 1.4f, "1"},
        {"most hours", 5, "Heating", 13020, "13020", 1302, "1302"},
        {"at the extract temperature", 8, "Neither", 0, "0", 0, "0"},
        // Warmer than the extract: the kWh turn negative, shown as positive, and the cooling
        // saved is worth a third of its energy cost.
        {"cooling at a third", 9, "Cooling", -312, "312", 10.4f, "10"},
        {"hottest bin", 10, "Cooling", -56, "56", 1.8666667f, "2"}};
    const BinPayback result = LondonHeating();
    for (const LondonBinRow& row : rows) {
        SCOPED_TRACE(row.label);
        const auto i = static_cast<std::size_t>(row.bin - 1);
        EXPECT_EQ(SeasonText(result.BinSeason[i]), row.season);
        EXPECT_FLOAT_EQ(result.BinSavingKWh[i], row.kWh);
        EXPECT_EQ(format(result.ShownSavingKWh(row.bin - 1), Pattern::Whole), row.shownKWh);
        EXPECT_FLOAT_EQ(result.BinSavingCash[i], row.cash);
        EXPECT_EQ(format(result.BinSavingCash[i], Pattern::Whole), row.shownCash);
    }
}

TEST(BinPayback, TotalsCountNegativeKWhAsSavings) {
    const BinPayback result = LondonHeating();
    EXPECT_FLOAT_EQ(result.SavingKWhTotal, 40972);
    EXPECT_EQ(format(result.SavingKWhTotal, Pattern::Whole), "40972");
    EXPECT_FLOAT_EQ(result.SavingCashTotal, 4072.6667f);
    EXPECT_EQ(format(result.SavingCashTotal, Pattern::Whole), "4073");
    ASSERT_TRUE(result.PaybackMonths.has_value());
    EXPECT_FLOAT_EQ(*result.PaybackMonths, 29.464725f);
    EXPECT_EQ(format(*result.PaybackMonths, Pattern::Whole), "29");
}

// Cooling design in Dubai: extract 24 C, supply 35 C, 11 kW, so each bin saves
// (dry bulb - 24) x 1000 W. A bin colder than the extract air heats the supply air instead,
// and that counts in full.
TEST(BinPayback, CoolingDesignSavesInHotBinsAndCountsColdOnesInFull) {
    const BinPayback result = CalcBinPayback({11000, 24, 35, 24.0, 0.3, 5000}, Loaded(Dubai));
    EXPECT_EQ(result.BinSeason[9], Season::Cooling);
    EXPECT_FLOAT_EQ(result.BinSavingKWh[9], 1782); // 19.8 K x 1000 W x 90 h
    EXPECT_FLOAT_EQ(result.BinSavingCash[9], 178.2f);
    EXPECT_EQ(result.BinSeason[0], Season::Heating);
    EXPECT_FLOAT_EQ(result.BinSavingKWh[0], -756); // -12.6 K x 1000 W x 60 h
    EXPECT_FLOAT_EQ(result.BinSavingCash[0], 226.8f);
}

TEST(BinPayback, ZeroHourBinSavesNothingAndShowsNoNegativeZero) {
    const BinPayback result = CalcBinPayback({5000, 22, 40, 22.0, 0.2, 3000}, Loaded(Oman));
    EXPECT_EQ(result.BinSeason[0], Season::Heating);
    EXPECT_EQ(result.BinSavingKWh[0], 0.0f);
    EXPECT_EQ(result.BinSavingCash[0], 0.0f);
    EXPECT_EQ(format(result.ShownSavingKWh(0), Pattern::Whole), "0");
    EXPECT_EQ(format(result.BinSavingCash[0], Pattern::Whole), "0");
}

// The season follows the main screen as it is now; the duty follows the last calculation. A shown
// temperature equal to a bin's in the tables' precision (21.6 against Frankfurt's bin 8) is
// checked through the results window, from the text the user typed.
TEST(BinPayback, SeasonFollowsTheShownTemperatureDutyTheCalculation) {
    const BinPayback result = CalcBinPayback({10000, 20, 0, 25.0, 0.1, 10000}, Loaded(London));
    EXPECT_EQ(result.BinSeason[8], Season::Heating); // 24 C below the shown 25 C
    EXPECT_FLOAT_EQ(result.BinSavingKWh[8], -312);   // still scaled from 20 C
    EXPECT_FLOAT_EQ(result.BinSavingCash[8], 31.2f); // at the full energy cost
    EXPECT_EQ(result.BinSeason[9], Season::Cooling);
}

// No duty, or no design temperature difference to scale the duty by.
TEST(BinPayback, WithoutSavingKeepsZerosAndHasNoPayback) {
    const std::pair<const char*, BinPaybackInputs> rows[] = {
        {"no duty", {0, 20, 0, 20.0, 0.1, 10000}},
        {"equal design temperatures", {10000, 20, 20, 20.0, 0.1, 10000}}};
    for (const auto& [label, inputs] : rows) {
        SCOPED_TRACE(label);
        const BinPayback result = CalcBinPayback(inputs, Loaded(London));
        EXPECT_EQ(result.BinSavingKWh, BinValues{});
        EXPECT_EQ(result.BinSavingCash, BinValues{});
        EXPECT_EQ(result.SavingKWhTotal, 0.0f);
        EXPECT_EQ(result.SavingCashTotal, 0.0f);
        EXPECT_FALSE(result.PaybackMonths.has_value());
        EXPECT_EQ(result.BinSeason[0], Season::Heating); // the seasons are still told
    }
}

struct DesignRow {
    const char* label;
    DesignPaybackInputs inputs; // Q (W), H, E, P
    float saving;               // kWh
    float costSaving;
    std::optional<float> months;
    const char* shownMonths; // "" when there is no payback
};

TEST(DesignPayback, SavingsAndPayback) {
    const DesignRow rows[] = {
        {"two kilowatts, three thousand hours", {2000, 3000, 0.03, 900}, 6000, 180, 60, "60"},
        {"smallest energy cost, longest year",
         {1500, 8760, 0.000001, 1},
         13140,
         0.01314f,
         913.24203f,
         "913"},
        {"largest energy cost, shortest year", {250.5f, 100, 1000, 12525}, 25.05f, 25050, 6, "6"},
        // No duty saves nothing: the savings stay zero and the payback has no value.
        {"no duty", {0, 3000, 0.03, 900}, 0, 0, std::nullopt, ""},
        // A saving so small that months would overflow a float has no payback either.
        {"payback beyond a float", {1e-30f, 100, 0.000001, 1e6}, 1e-31f, 1e-37f, std::nullopt, ""}};
    for (const DesignRow& row : rows) {
        SCOPED_TRACE(row.label);
        const DesignPayback result = CalcDesignPayback(row.inputs);
        EXPECT_FLOAT_EQ(result.AnnualEnergySaving, row.saving);
        EXPECT_FLOAT_EQ(result.AnnualEnergyCostSaving, row.costSaving);
        EXPECT_EQ(result.PaybackMonths.has_value(), row.months.has_value());
        if (result.PaybackMonths && row.months) {
            EXPECT_FLOAT_EQ(*result.PaybackMonths, *row.months);
            EXPECT_EQ(format(*result.PaybackMonths, Pattern::Whole), row.shownMonths);
        }
    }
}

} // namespace
} // namespace rac::paybackmodel
