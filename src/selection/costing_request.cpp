#include "selection/costing_request.h"

#include "costing/costing_layout.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace rac::selection {

namespace {

// The position of an entry in CostingInputOrder, looked up for every field of every request.
std::optional<std::size_t> positionInOrder(std::string_view name);

} // namespace

const std::vector<std::string>& CostingInputOrder() {
    static const std::vector<std::string> order = [] {
        std::vector<std::string> names{"cmbCountry"};
        for (const char* side : {"Supply", "Extract"}) {
            const auto add = [&](std::string_view entry) {
                names.push_back(std::string(entry) + side);
            };
            std::for_each(std::begin(costing::layout::kCasingEntries),
                          std::end(costing::layout::kCasingEntries), add);
            std::for_each(std::begin(costing::layout::kOptionBoxes),
                          std::end(costing::layout::kOptionBoxes), add);
            for (const char* entry :
                 {"cmbBrazeMat", "chkConnectionFlanges", "optWelded", "optScrewed"}) {
                add(entry);
            }
        }
        for (const char* name :
             {"txtEnergyCost", "txtExchangeRate", "txtAnnualRunHours", "optPaybackDesign",
              "optBinPayback", "cmbLocation", "chkGrossMargin", "txtGrossMargin"}) {
            names.emplace_back(name);
        }
        return names;
    }();
    return order;
}

namespace {

std::optional<std::size_t> positionInOrder(std::string_view name) {
    static const std::unordered_map<std::string_view, std::size_t> positions = [] {
        std::unordered_map<std::string_view, std::size_t> byName;
        const auto& order = CostingInputOrder();
        for (std::size_t i = 0; i < order.size(); ++i) {
            byName.emplace(order[i], i);
        }
        return byName;
    }();
    const auto found = positions.find(name);
    if (found == positions.end()) {
        return std::nullopt;
    }
    return found->second;
}

} // namespace

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
    for (const auto& [name, text] : costing.at("fields").get_ref<const Json::object_t&>()) {
        const auto position = positionInOrder(name);
        if (!position) {
            throw InputError(inQuotes(name) + " is not an entry field of frmCosting");
        }
        if (!text.is_string()) { // the message is put together only when it is needed
            requireText(text, "the text of " + inQuotes(name));
        }
        texts[*position] = &text.get_ref<const std::string&>();
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (texts[i] != nullptr) {
            parsed.fields.emplace_back(order[i], *texts[i]);
        }
    }
    return parsed;
}

} // namespace rac::selection
