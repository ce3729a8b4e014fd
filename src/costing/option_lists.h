#pragma once

#include <string>
#include <vector>

// The items of the costing screen's lists, made once: the screen fills its lists from them at
// every load and on every change of a drain pan.
namespace rac::costing {

// The eight casing styles, Economy first; and the seven without it.
const std::vector<std::string>& CasingStyles();
const std::vector<std::string>& CasingStylesButEconomy();
// The thirteen sheet materials of casings and drain pans.
const std::vector<std::string>& SheetMaterials();
// The only item of a drain pan material list without a drain pan.
const std::vector<std::string>& NoDrainpanMaterials();
const std::vector<std::string>& Drainpans();
const std::vector<std::string>& CasingDepthModes();
const std::vector<std::string>& BrazeMaterials();
const std::vector<std::string>& Countries();

} // namespace rac::costing
