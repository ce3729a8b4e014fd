#include "selection/calculate_request.h"

#include <algorithm>
#include <array>

namespace rac::selection {

namespace {

constexpr std::array modeNames{std::pair{Mode::Selection, "Selection"},
                               std::pair{Mode::Rating, "Rating"}};
constexpr std::array targetNames{std::pair{Target::AirOffDB, "Air Off DB"},
                                 std::pair{Target::Effectiveness, "Effectiveness"},
                                 std::pair{Target::Duty, "Duty"}};

template <typename Value, std::size_t N>
Value choose(const ObjectReader& request, std::string_view key,
             const std::array<std::pair<Value, const char*>, N>& names, Value fallback) {
    const auto text = request.optionalText(key);
    if (!text) {
        return fallback;
    }
    const auto found = std::find_if(names.begin(), names.end(),
                                    [&](const auto& name) { return *text == name.second; });
    if (found != names.end()) {
        return found->first;
    }
    std::string choices;
    for (std::size_t i = 0; i < N; ++i) {
        choices += (i == 0 ? "" : i + 1 == N ? " or " : ", ") + inQuotes(names[i].second);
    }
    throw InputError(inQuotes(key) + " must be " + choices + ", not " + inQuotes(*text));
}

// The control that holds the target's value.
std::string_view targetControl(Target target) {
    switch (target) {
    case Target::Effectiveness:
        return "txtEffectiveness";
    case Target::Duty:
        return "txtDuty";
    case Target::AirOffDB:
        break;
    }
    return "txtDBSupplyOff";
}

template <typename Value, std::size_t N>
std::string_view nameOf(Value value, const std::array<std::pair<Value, const char*>, N>& names) {
    return std::find_if(names.begin(), names.end(),
                        [&](const auto& name) { return name.first == value; })
        ->second;
}

void requireEntry(const CalculateRequest& request, const std::string& name) {
    for (const auto& [target, label] : targetNames) {
        if (name == targetControl(target) && !entersIn(request.mode, request.target, name)) {
            throw InputError(inQuotes(name) + " is an entry only in Selection with the target " +
                             inQuotes(label));
        }
    }
}

} // namespace

std::string_view modeName(Mode mode) {
    return nameOf(mode, modeNames);
}

std::string_view targetName(Target target) {
    return nameOf(target, targetNames);
}

bool entersIn(Mode mode, Target target, std::string_view name) {
    for (const auto& entry : targetNames) {
        if (name == targetControl(entry.first)) {
            return mode == Mode::Selection && entry.first == target;
        }
    }
    return true;
}

const std::vector<std::string>& CalculateInputOrder() {
    static const std::vector<std::string> order = [] {
        const std::array coilOptions{"cmbTubeDiameter",   "cmbFinDensitySelect",  "cmbFinMatType",
                                     "cmbFinDensity",     "cmbCircuitTypeSelect", "cmbCircuitType",
                                     "txtTubesHigh",      "txtFinnedHeight",      "txtFinnedLength",
                                     "txtNumberSections", "txtNumberRows"};
        std::vector<std::string> names;
        for (const char* side : {"Supply", "Extract"}) {
            for (const char* option : coilOptions) {
                names.push_back(std::string(option) + side);
            }
        }
        for (const char* name :
             {"txtDBSupplyOn", "txtDBExtractOn", "txtDBSupplyOff", "txtEffectiveness", "txtDuty",
              "txtAirVolSupply", "txtAirVolExtract", "cmbGlycolSelect", "txtGlycol",
              "txtFluidMaxPDSupply", "txtFluidMaxPDExtract"}) {
            names.emplace_back(name);
        }
        return names;
    }();
    return order;
}

CalculateRequest readCalculateRequest(const Json& value) {
    const ObjectReader request(value, "the request");
    request.allowOnly({"mode", "target", "fields", "costing"});
    CalculateRequest parsed;
    parsed.mode = choose(request, "mode", modeNames, Mode::Selection);
    if (parsed.mode == Mode::Rating && request.has("target")) {
        throw InputError("\"target\" applies to Selection only; Rating has no target");
    }
    parsed.target = choose(request, "target", targetNames, Target::AirOffDB);
    if (request.has("costing")) {
        parsed.costing = readCostingRequest(request.at("costing"));
    }
    if (!request.has("fields")) {
        return parsed;
    }
    const ObjectReader fields(request.at("fields"), "\"fields\""); // refuses a non-object
    const auto& order = CalculateInputOrder();
    std::vector<const std::string*> texts(order.size(), nullptr); // by position in the order
    for (const auto& [name, text] : request.at("fields").items()) {
        const auto position = std::find(order.begin(), order.end(), name);
        if (position == order.end()) {
            throw InputError(inQuotes(name) + " is not an entry field of frmMain");
        }
        requireEntry(parsed, name);
        if (!text.is_string()) { // the message is put together only when it is needed
            requireText(text, "the text of " + inQuotes(name));
        }
        texts[static_cast<std::size_t>(position - order.begin())] =
            &text.get_ref<const std::string&>();
    }
    parsed.fields.reserve(request.at("fields").size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (texts[i] != nullptr) {
            parsed.fields.emplace_back(order[i], *texts[i]);
        }
    }
    return parsed;
}

} // namespace rac::selection
