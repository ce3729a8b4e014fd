#pragma once

#include "costing/costing_fixture.h"
#include "payback/frm_bin_data_graphics.h"
#include "payback/frm_bin_data_results.h"
#include "payback/frm_bin_graphics.h"
#include "payback/frm_select_bin_data.h"

#include <string>
#include <string_view>

namespace rac::payback::testing_support {

namespace user = platform::user;

// The start-up pair calculated (supply air on 0 C, extract air on 20 C, a supply duty of
// 30250 W) and priced on the costing screen; the bin windows as the program makes them.
class BinScreens : public costing::testing_support::CostingScreen {
  protected:
    void tickBinPayback() { clickOn("optBinPayback"); }
    // Bin payback for the country's own location, then Calculate.
    void binPaybackIn(std::string_view country) {
        pickOn("cmbCountry", country);
        enterOn("txtEnergyCost", "0.03");
        tickBinPayback();
        costIt();
        ASSERT_TRUE(results.shown()) << lastMessageText();
    }
    std::string lastMessageText() const {
        return services.messages.shown().empty() ? "" : services.messages.shown().back().text;
    }
    const std::string& cell(const platform::Form& form, std::string_view array, int bin) const {
        return form.at(array, bin).text();
    }

    FrmSelectBinData& locations = app.form<FrmSelectBinData>();
    FrmBinDataResults& results = app.form<FrmBinDataResults>();
    FrmBinGraphics& savingsChart = app.form<FrmBinGraphics>();
    FrmBinDataGraphics& weatherChart = app.form<FrmBinDataGraphics>();
};

} // namespace rac::payback::testing_support
