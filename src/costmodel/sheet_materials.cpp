#include "costmodel/sheet_materials.h"

namespace rac::costmodel {

std::optional<std::size_t> sheetMaterialIndex(std::string_view name) {
    for (std::size_t i = 0; i < kSheetMaterials.size(); ++i) {
        if (kSheetMaterials[i].name == name) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace rac::costmodel
