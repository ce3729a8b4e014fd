// Countries: the currency words, the default energy cost and exchange rate, and the local price.
#include "costing_fixture.h"

#include <string>

namespace rac::costing::testing_support {
namespace {

class Country : public CostingScreen {
  protected:
    struct Shown {
        const char *energyLabel, *savingLabel, *energyCost, *exchangeRate;
        bool local;
        const char* localLabel;
    };
    void expectCountry(const Shown& expected) {
        EXPECT_EQ(field("lblenergycost").caption(), expected.energyLabel);
        EXPECT_EQ(field("lblAnnualEnergyCostSaving").caption(), expected.savingLabel);
        EXPECT_EQ(shown("txtEnergyCost"), expected.energyCost);
        EXPECT_EQ(shown("txtExchangeRate"), expected.exchangeRate);
        for (const char* local : {"lblExchangeRate", "txtExchangeRate",
                                  "txtTotalRACExWorksPriceForeign", "lblExWorksPriceForeign"}) {
            EXPECT_EQ(field(local).visible(), expected.local) << local;
        }
        if (expected.local) {
            EXPECT_EQ(field("lblExWorksPriceForeign").caption(), expected.localLabel);
        }
        EXPECT_EQ(field("lblExWorksPriceSterling").caption(), "Total Ex-Works Price (£)");
    }
};

TEST_F(Country, KuwaitThenTheUnitedKingdom) {
    pickOn("cmbCountry", "Kuwait");
    expectCountry({"Energy Cost (KWD/kWh)", "Annual Energy Saving (KWD)", "", "0.5", true,
                   "Ex-Works Price (KWD)"});
    pickOn("cmbCountry", "United Kingdom");
    expectCountry({"Energy Cost (£/kWh)", "Annual Energy Saving (£)", "0.03", "1", false, ""});
}

TEST_F(Country, TheUnitedKingdomThenIndiaAndKorea) {
    pickOn("cmbCountry", "India");
    expectCountry({"Energy Cost (INR/kWh)", "Annual Energy Saving (INR)", "", "72", true,
                   "Ex-Works Price (INR)"});
    pickOn("cmbCountry", "Korea");
    expectCountry({"Energy Cost (WON/kWh)", "Annual Energy Saving (WON)", "", "1873.77", true,
                   "Ex-Works Price (WON)"});
}

TEST_F(Country, ChangingTheCountryClearsThePricesAndPrinting) {
    costIt();
    ASSERT_TRUE(field("cmdPrint").enabled());
    pickOn("cmbCountry", "Qatar");
    EXPECT_TRUE(outputsCleared(costing));
}

TEST_F(Country, LocalPriceIsTheSterlingTotalShownTimesTheRate) {
    pickOn("cmbCountry", "Oman");
    enterOn("txtEnergyCost", "0.01");
    costIt();
    EXPECT_EQ(shown("txtTotalRACExWorksPriceSterling"), "2130");
    // 2130 x 0.53 = 1128.9 OMR; 90750 kWh at 0.01 save 907.5 OMR a year: 14.9 months.
    EXPECT_EQ(shown("txtTotalRACExWorksPriceForeign"), "1129");
    EXPECT_EQ(shown("txtAnnualEnergyCostSaving"), "908");
    EXPECT_EQ(shown("txtPayBackCost"), "15");

    enterOn("txtExchangeRate", "2");
    costIt();
    EXPECT_EQ(shown("txtTotalRACExWorksPriceForeign"), "4260");
}

} // namespace
} // namespace rac::costing::testing_support
