#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// The thirteen sheet materials of casings and drain pans, in the order the costing screen lists
// them; their prices per m2 are in the price table, at the same positions.
namespace rac::costmodel {

struct SheetMaterial {
    std::string_view name;
    double thickness; // mm
    double density;   // kg/m3
};

inline constexpr std::array<SheetMaterial, 13> kSheetMaterials{{
    {"16g galv", 1.6, 7900},
    {"14g galv", 2, 7900},
    {"3mm galv", 3, 7900},
    {"18g 304 stainless", 1.2, 7900},
    {"18g 316 stainless", 1.2, 7900},
    {"16g 304 stainless", 1.6, 7900},
    {"16g 316 stainless", 1.6, 7900},
    {"16g mild steel", 1.6, 7900},
    {"14g mild steel", 2, 7900},
    {"3mm mild steel", 3, 7900},
    {"16g brass", 1.6, 8310},
    {"16g copper", 1.6, 8900},
    {"16g aluminium", 1.6, 2700},
}};

// The drain pan material of a coil without a drain pan.
inline constexpr std::string_view kNoDrainpanMaterial = "N/A";

// Position of the material with exactly this name, or empty.
std::optional<std::size_t> sheetMaterialIndex(std::string_view name);

} // namespace rac::costmodel
