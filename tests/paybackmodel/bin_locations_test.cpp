#include "paybackmodel/bin_locations.h"
#include "paybackmodel/default_location.h"

#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <tuple>
#include <utility>

namespace rac::paybackmodel {
namespace {

// One bin of a location, copied by hand from its table, and the location's hours in a year. The
// names in list order, and every bin of Bahrain and of Oman (whose first bin has no hours), are
// in the bin_payback_session transcript.
struct BinRow {
    const char* label;
    int position;
    int bin; // 1 to 10, as the screens number them
    float db, wb, rh, hours;
    float yearHours;
};

TEST(LoadBinData, GivesTheTabledBinAndYear) {
    const BinRow rows[] = {{"London bin 1", 0, 1, -8, -8.7f, 79, 1, 8760},
                           {"London bin 10", 0, 10, 28, 20.3f, 49.6f, 14, 8760},
                           {"Aberdeen's short year", 1, 6, 9.3f, 7.8f, 81.4f, 1600, 5940},
                           {"Dubai", 3, 9, 40.2f, 27, 35, 385, 8760},
                           {"Frankfurt", 4, 8, 21.6f, 15.3f, 52, 578, 8760},
                           {"Hong Kong", 5, 2, 11.4f, 8.9f, 71, 217, 8760},
                           {"Calcutta", 6, 7, 28.7f, 21.9f, 55.3f, 1558, 8760},
                           {"Mumbai", 7, 3, 20.6f, 17.9f, 77.6f, 570, 8760},
                           {"Seoul, wet bulb below zero", 8, 4, 2.1f, -0.04f, 62, 1263, 8760},
                           {"Kuwait", 9, 10, 50.3f, 20.8f, 5.3f, 28, 8760},
                           {"Riyadh", 11, 5, 22.4f, 16.1f, 52.7f, 2100, 8760},
                           {"Jeddah", 12, 10, 40.2f, 21.5f, 18, 7, 8760}};
    for (const BinRow& row : rows) {
        SCOPED_TRACE(row.label);
        BinTables tables;
        EXPECT_TRUE(LoadBinData(tables, row.position));
        const auto i = static_cast<std::size_t>(row.bin - 1);
        EXPECT_EQ(std::tuple(tables.BinDB[i], tables.BinWB[i], tables.BinRH[i], tables.BinHours[i]),
                  std::tuple(row.db, row.wb, row.rh, row.hours));
        EXPECT_EQ(std::accumulate(tables.BinHours.begin(), tables.BinHours.end(), 0.0f),
                  row.yearHours);
    }
}

TEST(LoadBinData, OverwritesEveryValueOfThePreviousLocation) {
    BinTables tables;
    ASSERT_TRUE(LoadBinData(tables, 10)); // Oman
    BinTables london;
    ASSERT_TRUE(LoadBinData(london, 0));
    ASSERT_TRUE(LoadBinData(tables, 0));
    EXPECT_EQ(tables, london);
    EXPECT_EQ(tables.BinHours[0], 1.0f);
}

TEST(LoadBinData, RefusesAPositionOutsideTheListAndKeepsTheTables) {
    BinTables never;
    EXPECT_FALSE(LoadBinData(never, -1));
    EXPECT_EQ(never, BinTables{}); // still all zeros
    BinTables dubai;
    ASSERT_TRUE(LoadBinData(dubai, 3));
    for (int position : {-1, kLocationCount, 1000}) {
        BinTables tables = dubai;
        EXPECT_FALSE(LoadBinData(tables, position)) << position;
        EXPECT_EQ(tables, dubai) << position;
    }
}

// In the order of the costing screen's country list; none outside it.
TEST(DefaultBinLocation, IsTheCountrysOwnOrANeighbours) {
    const std::pair<const char*, const char*> rows[kCountryCount] = {
        {"United Kingdom", "United Kingdom - London"},
        {"Bahrain", "Bahrain"},
        {"Denmark", "Germany - Frankfurt"},
        {"European", "Germany - Frankfurt"},
        {"Hong Kong", "Hong Kong - Hong Kong"},
        {"India", "India - Mumbai"},
        {"Korea", "Korea - Soeul"},
        {"Kuwait", "Kuwait - Kuwait City"},
        {"Oman", "Oman"},
        {"Pakistan", "India - Mumbai"},
        {"Qatar", "Bahrain"},
        {"Saudi Arabia", "Saudi Arabia - Riyadh"},
        {"U.A.E.", "Dubai"}};
    for (int country = 0; country < kCountryCount; ++country) {
        const auto& [name, location] = rows[country];
        const std::optional<int> position = DefaultBinLocation(country);
        ASSERT_TRUE(position.has_value()) << name;
        EXPECT_EQ(LocationNames().at(static_cast<std::size_t>(*position)), location) << name;
    }
    EXPECT_FALSE(DefaultBinLocation(-1).has_value());
    EXPECT_FALSE(DefaultBinLocation(kCountryCount).has_value());
}

} // namespace
} // namespace rac::paybackmodel
