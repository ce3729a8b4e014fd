// Countries: the currency words, the default energy cost and exchange rate, and the local price.
#include "costing_fixture.h"

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

// Each country's currency and rate are in the costmodel's table; the price in the local currency
// of a costing with the default rate is in the costing_session transcript.
TEST_F(Country, LocalPriceIsTheSterlingTotalShownTimesTheRateEntered) {
    pickOn("cmbCountry", "Oman");
    enterOn("txtEnergyCost", "0.01");
    enterOn("txtExchangeRate", "2");
    costIt();
    EXPECT_EQ(shown("txtTotalRACExWorksPriceSterling"), "2130");
    EXPECT_EQ(shown("txtTotalRACExWorksPriceForeign"), "4260");
}

} // namespace
} // namespace rac::costing::testing_support
