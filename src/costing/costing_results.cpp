#include "costing/costing_results.h"

#include "costing/breakdown_lines.h"
#include "mainscreen/side_names.h"

namespace rac::costing {

const std::vector<std::string>& CostingResultControls() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> listed;
        for (const coil::CoilSide side : mainscreen::kBothSides) {
            for (const char* base :
                 {"txtCasingDepth", "txtSellPrice", "txtTotalWeight", "txtInternalVolume"}) {
                listed.push_back(mainscreen::sided(base, side));
            }
        }
        for (const char* name :
             {"txtTotalRACExWorksPriceSterling", "txtTotalRACExWorksPriceForeign",
              "txtTotalRACWeight", "txtTotalRACInternalVolume", "txtEnergyCost",
              "txtAnnualRunHours", "txtExchangeRate", "txtAnnualEnergySaving",
              "txtAnnualEnergyCostSaving", "txtPayBackCost"}) {
            listed.emplace_back(name);
        }
        return listed;
    }();
    return names;
}

const std::vector<std::string>& BreakdownControls() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> listed;
        for (const BreakdownLine& line : kBreakdownLines) {
            for (const coil::CoilSide side : mainscreen::kBothSides) {
                for (const auto& value : {std::optional(line.value), line.labour}) {
                    if (value) {
                        listed.push_back(breakdownBox(*value, side));
                    }
                }
            }
        }
        listed.emplace_back("txtCarriageCost");
        return listed;
    }();
    return names;
}

} // namespace rac::costing
