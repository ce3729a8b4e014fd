#include "costing/option_lists.h"

#include "costmodel/casing_style.h"
#include "costmodel/countries.h"
#include "costmodel/price_table.h"
#include "costmodel/sheet_materials.h"

namespace rac::costing {

namespace {

template <typename Entries> std::vector<std::string> namesOf(const Entries& entries) {
    std::vector<std::string> names;
    for (const auto& entry : entries) {
        if constexpr (requires { entry.name; }) {
            names.emplace_back(entry.name);
        } else {
            names.emplace_back(entry);
        }
    }
    return names;
}

} // namespace

const std::vector<std::string>& CasingStyles() {
    static const std::vector<std::string> styles = namesOf(costmodel::kCasingStyles);
    return styles;
}

const std::vector<std::string>& CasingStylesButEconomy() {
    static const std::vector<std::string> styles(CasingStyles().begin() + 1, CasingStyles().end());
    return styles;
}

const std::vector<std::string>& SheetMaterials() {
    static const std::vector<std::string> materials = namesOf(costmodel::kSheetMaterials);
    return materials;
}

const std::vector<std::string>& NoDrainpanMaterials() {
    static const std::vector<std::string> none{std::string(costmodel::kNoDrainpanMaterial)};
    return none;
}

const std::vector<std::string>& Drainpans() {
    static const std::vector<std::string> drainpans{"Standard Flat",   "Sloping",
                                                    "Removeable Flat", "Removeable Sloping",
                                                    "Perforated Base", "None"};
    return drainpans;
}

const std::vector<std::string>& CasingDepthModes() {
    static const std::vector<std::string> modes{"Standard", "Non-Standard"};
    return modes;
}

const std::vector<std::string>& BrazeMaterials() {
    static const std::vector<std::string> brazes = namesOf(costmodel::kBrazeMaterials);
    return brazes;
}

const std::vector<std::string>& Countries() {
    static const std::vector<std::string> countries = namesOf(costmodel::kCountries);
    return countries;
}

} // namespace rac::costing
