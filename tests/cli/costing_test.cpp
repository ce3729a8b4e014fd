// rac-cli calculate with a costing: the costing screen opened on the calculated pair, the
// entries made as a user would, and what the answer reports.
#include "cli/application_program.h"
#include "cli/selection_terms.h"
#include "test_program.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace rac::cli {
namespace {

using testing_support::linesOf;

// The one answer to one request, as JSON; an error line as {"error": ...}.
Json answerTo(const std::string& request) {
    const auto ran = testing_support::runCli({"calculate"}, request + "\n", launchApplication);
    const auto lines = linesOf(ran.out);
    EXPECT_EQ(lines.size(), 1u) << ran.err;
    return lines.empty() ? Json() : Json::parse(lines.front());
}

std::string errorOf(const std::string& costingFields) {
    const Json answer = answerTo(R"({"costing": {"fields": {)" + costingFields + "}}}");
    return answer.value("error", std::string("no error"));
}

TEST(CalculateCosting, RatedPairPricedInKuwaitWithEliminators) {
    const Json answer = answerTo(
        R"({"mode": "Rating", "fields": {"txtNumberRowsSupply": "6"},
            "costing": {"password": "TORVIX205917", "fields": {"cmbCountry": "Kuwait",
            "txtEnergyCost": "0.01", "cmbCasingStyleSupply": "Coverbox",
            "chkEliminatorsSupply": "1"}}})");
    ASSERT_TRUE(answer.contains("costing")) << answer.dump();
    const Json& costing = answer["costing"];
    EXPECT_EQ(costing["aborted"], false);
    EXPECT_EQ(costing["entry_messages"], Json::array());
    ASSERT_EQ(costing["messages"].size(), 1u);
    EXPECT_EQ(costing["messages"][0]["text"],
              "The supply air pressure drop has been increased from 117.2865 Pa to 148.9149 Pa to "
              "include eliminators.");
    EXPECT_EQ(costing["focus"], nullptr);
    EXPECT_TRUE(costing["bins"].is_null()); // a design payback
    // The calculation's own results stay as it left them; "main" shows the eliminators.
    EXPECT_EQ(answer["fields"]["txtAirPDSupply"], "117.3");
    EXPECT_EQ(costing["main"], (Json{{"txtAirPDSupply", "148.9"}, {"txtAirPDExtract", "159.6"}}));
    const Json& fields = costing["fields"];
    EXPECT_EQ(fields.size(), 18u);
    // A 6-row Coverbox casing is 335 mm deep, and 180 mm more with eliminators.
    EXPECT_EQ(fields["txtCasingDepthSupply"], "515");
    EXPECT_EQ(fields["txtTotalRACExWorksPriceSterling"], "2246");
    EXPECT_EQ(fields["txtTotalRACExWorksPriceForeign"], "1123");
    EXPECT_EQ(fields["txtPayBackCost"], "17");
    EXPECT_EQ(costing["breakdown"].size(), 89u);
    EXPECT_EQ(costing["breakdown"]["txtCarriageCost"], "0.00");
    EXPECT_EQ(costing["settings"], (Json{{"PaybackCalc/Country", "7"},
                                         {"PaybackCalc/EnergyCost", "0.01"},
                                         {"PaybackCalc/ExchangeRate", "0.5"}}));
}

// A drain pan material is offered only once a drain pan is chosen, and a flange kind only once
// flanges are ticked: the fixed order enters them after what offers them.
TEST(CalculateCosting, EntersInTheFixedOrderWhateverTheRequestsOrder) {
    const Json answer = answerTo(
        R"({"costing": {"fields": {"optScrewedSupply": "1", "cmbDrainpanMaterialSupply":
            "16g copper", "chkConnectionFlangesSupply": "1", "cmbDrainpanSupply": "Sloping"}}})");
    ASSERT_TRUE(answer.contains("costing")) << answer.dump();
    EXPECT_EQ(answer["costing"]["aborted"], false);
    // One pair of headers: two connections, each with a screwed 1 1/4 inch flange at 7.00.
    EXPECT_EQ(answer["costing"]["breakdown"]["txtConnectionFlangesMaterialSupply"], "14.00");
    EXPECT_EQ(answer["costing"]["breakdown"]["txtConnectionFlangesMaterialExtract"], "0.00");
}

// The location is picked after the method whatever the request's order, and the results window
// answers box by box. The bin_payback_session transcript pins the window for the same entries;
// here each bin's season is named.
TEST(CalculateCosting, BinPaybackAnswersTheResultsWindow) {
    const Json answer = answerTo(
        R"({"costing": {"fields": {"cmbLocation": "Oman", "optBinPayback": "1",
            "cmbCountry": "Qatar", "txtEnergyCost": "0.1"}}})");
    ASSERT_TRUE(answer.contains("costing")) << answer.dump();
    const Json& costing = answer["costing"];
    EXPECT_EQ(costing["aborted"], false);
    const Json& bins = costing["bins"];
    ASSERT_TRUE(bins.is_object()) << costing.dump();
    EXPECT_EQ(bins.size(), 66u);
    EXPECT_EQ(bins["seasons"], (Json{"Heating", "Heating", "Neither", "Cooling", "Cooling",
                                     "Cooling", "Cooling", "Cooling", "Cooling", "Cooling"}));
}

TEST(CalculateCosting, EntriesTheScreenRefusesAreErrorLines) {
    struct Case {
        const char *name, *fields, *error;
    };
    const Case cases[] = {
        {"GAM without mild steel", R"("chkGAMSupply": "1")",
         "line 1: cannot click frmCosting.chkGAMSupply: it is disabled"},
        {"Economy for 8 rows", R"("cmbCasingStyleExtract": "Economy")",
         R"(line 1: frmCosting.cmbCasingStyleExtract: the list has no item "Economy")"},
        {"a check box takes 1 or 0", R"("chkStiffenersSupply": "yes")",
         R"(line 1: "chkStiffenersSupply" takes "1" or "0", not "yes")"},
        {"an option goes off by another",
         R"("chkConnectionFlangesSupply": "1", "optWeldedSupply": "0")",
         "line 1: cannot clear frmCosting.optWeldedSupply: an option button goes off only when "
         "another of its group is chosen"},
        {"a hidden flange kind", R"("optScrewedExtract": "1")",
         "line 1: cannot click frmCosting.optScrewedExtract: it is hidden"},
        {"a location without the bin payback", R"("cmbLocation": "Dubai")",
         "line 1: cannot click frmCosting.cmdBinData: it is hidden"},
        {"a location not in the list", R"("optBinPayback": "1", "cmbLocation": "Paris")",
         R"(line 1: frmSelectBinData.cmbLocation: the list has no item "Paris")"},
        {"a result box", R"("txtSellPriceSupply": "100")",
         R"(line 1: "txtSellPriceSupply" is not an entry field of frmCosting)"},
        {"a number", R"("txtEnergyCost": 0.03)",
         R"(line 1: the text of "txtEnergyCost" must be a text in quotes, not a number)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(errorOf(c.fields), c.error) << c.name;
    }
    EXPECT_EQ(answerTo(R"({"costing": []})").value("error", ""),
              "line 1: \"costing\" must be a JSON object, not an array");
    EXPECT_EQ(answerTo(R"({"costing": {"pasword": "x"}})").value("error", ""),
              R"(line 1: unknown key "pasword" in "costing" (it takes "password", "fields"))");
}

} // namespace
} // namespace rac::cli
