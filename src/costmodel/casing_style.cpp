#include "costmodel/casing_style.h"

#include "foundation/numbers.h"

#include <optional>

namespace rac::costmodel {

using numbers::store;

namespace {

constexpr CasingStyleRule kUnknownStyle{"", {}, 0, 0, 0, 0, 0, 0, PlateLabour::General, 0, 0, true};

constexpr double kEliminatorDepth = 180; // mm

// The standard depth for a row count; a row count between two columns takes the depth of the
// next larger one, so a 5-row coil is cased as a 6-row coil.
std::optional<double> standardDepth(const CasingStyleRule& style, int16_t rows) {
    for (std::size_t i = 0; i < kStandardDepthRows.size(); ++i) {
        if (rows <= kStandardDepthRows[i]) {
            if (style.standardDepths[i] == 0) {
                return std::nullopt;
            }
            return style.standardDepths[i];
        }
    }
    return std::nullopt;
}

} // namespace

const CasingStyleRule& casingStyle(std::string_view name) {
    for (const CasingStyleRule& style : kCasingStyles) {
        if (style.name == name) {
            return style;
        }
    }
    return kUnknownStyle;
}

bool drainpanCounted(const CoilCosting& costing) {
    return costing.Drainpan != "None" && casingStyle(costing.CasingStyle).sidePlatesAndDrainpan;
}

void SetCasingDepth(CoilCosting& costing) {
    if (costing.CasingDepthSelect != "Standard") {
        return;
    }
    // Without a standard depth (more than 16 rows, an Economy casing beyond 2 rows) the depth
    // held is used as it is: it may be one written back by an earlier costing, which already
    // holds any eliminator allowance.
    if (const auto depth = standardDepth(casingStyle(costing.CasingStyle), costing.Rows)) {
        costing.CasingDepth = store(*depth + (costing.Eliminators == 1 ? kEliminatorDepth : 0.0));
    }
}

void SetCasingAllowances(CoilCosting& costing) {
    const CasingStyleRule& style = casingStyle(costing.CasingStyle);
    costing.FrontFlange = store(style.frontFlange);
    costing.BackFlange = store(style.backFlange);
    costing.PlateMargin = store(style.plateMargin);
    costing.SupportMargin = store(style.supportMargin);
    costing.DrainpanMargin = store(costing.Drainpan == "None" ? 0.0 : style.drainpanMargin);
    costing.BaffleWidth = store(style.baffleWidth);
}

} // namespace rac::costmodel
