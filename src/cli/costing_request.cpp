#include "cli/costing_request.h"

#include <algorithm>
#include <array>

namespace rac::cli {

namespace {

// The bin payback and its location come with the location window; until then a costing's
// payback is at design conditions.
constexpr std::array kNotYet{"optBinPayback", "cmbLocation"};

} // namespace

const std::vector<std::string>& CostingInputOrder() {
    static const std::vector<std::string> order = [] {
        std::vector<std::string> names{"cmbCountry"};
        for (const char* side : {"Supply", "Extract"}) {
            for (const char* entry : {"cmbCasingStyle",
                                      "cmbCasingMaterial",
                                      "cmbDrainpan",
                                      "cmbDrainpanMaterial",
                                      "cmbCasingDepthSelect",
                                      "txtCasingDepth",
                                      "chkEliminators",
                                      "chkStiffeners",
                                      "chkNutserts",
                                      "chkGAM",
                                      "chkThickTube",
                                      "chkVentDrain",
                                      "chkTestPoints",
                                      "chkBlygold",
                                      "chkETAM",
                                      "chkPreTinnedCopperFins",
                                      "cmbBrazeMat",
                                      "chkConnectionFlanges",
                                      "optWelded",
                                      "optScrewed"}) {
                names.push_back(std::string(entry) + side);
            }
        }
        for (const char* name : {"txtEnergyCost", "txtExchangeRate", "txtAnnualRunHours",
                                 "optPaybackDesign", "chkGrossMargin", "txtGrossMargin"}) {
            names.emplace_back(name);
        }
        return names;
    }();
    return order;
}

CostingRequest readCostingRequest(const Json& value) {
    const ObjectReader costing(value, "\"costing\"");
    costing.allowOnly({"password", "fields"});
    CostingRequest parsed;
    parsed.password = costing.optionalText("password");
    if (!costing.has("fields")) {
        return parsed;
    }
    const ObjectReader fields(costing.at("fields"), "the costing's \"fields\"");
    const auto& order = CostingInputOrder();
    std::vector<const std::string*> texts(order.size(), nullptr); // by position in the order
    for (const auto& [name, text] : costing.at("fields").items()) {
        if (std::find(kNotYet.begin(), kNotYet.end(), name) != kNotYet.end()) {
            throw InputError(inQuotes(name) +
                             ": the bin payback cannot be asked for yet; a costing's payback is "
                             "for design conditions (\"optPaybackDesign\")");
        }
        const auto position = std::find(order.begin(), order.end(), name);
        if (position == order.end()) {
            throw InputError(inQuotes(name) + " is not an entry field of frmCosting");
        }
        texts[static_cast<std::size_t>(position - order.begin())] =
            &requireText(text, "the text of " + inQuotes(name));
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (texts[i] != nullptr) {
            parsed.fields.emplace_back(order[i], *texts[i]);
        }
    }
    return parsed;
}

} // namespace rac::cli
