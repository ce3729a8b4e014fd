#include "costmodel/casing.h"

#include "costmodel/block_geometry.h"
#include "costmodel/casing_style.h"
#include "foundation/numbers.h"

#include <algorithm>
#include <cmath>

namespace rac::costmodel {

using numbers::store;
using numbers::widen;

namespace {

struct Sheet {
    double price = 0;     // per m2
    double thickness = 0; // mm
    double density = 0;   // kg/m3
};

// An unknown material has no price; the costing refuses it before the casing is priced.
Sheet sheet(const PriceTable& prices, std::string_view material) {
    const auto index = sheetMaterialIndex(material);
    if (!index) {
        return {};
    }
    return {prices.SheetPrices[*index], kSheetMaterials[*index].thickness,
            kSheetMaterials[*index].density};
}

// The dimensions every panel is worked from; lengths in m unless named _mm.
struct CasingSizes {
    double sections;
    double rowsLessOne;
    double highPerSection; // tubes high of one section
    double sectionHeight;  // finned height of one section
    double length_mm;
    double length;
    double depth;
    double rowsDepth; // block depth, rows x row pitch
    double plateMargin;
    double supportMargin;

    explicit CasingSizes(const CoilCosting& c)
        : sections(c.Sections), rowsLessOne(static_cast<double>(c.Rows) - 1.0),
          highPerSection(widen(c.TubesHigh) / sections),
          sectionHeight(highPerSection * widen(c.TubePitch)), length_mm(c.FinnedLength),
          length(length_mm / 1000.0), depth(widen(c.CasingDepth) / 1000.0),
          rowsDepth(static_cast<double>(c.Rows) * widen(c.RowPitch)),
          plateMargin(widen(c.PlateMargin) / 1000.0),
          supportMargin(widen(c.SupportMargin) / 1000.0) {}
};

// The labour formulas the general style uses, which other panels borrow.
double generalEndPlateLabour(const CasingSizes& s) {
    return 0.12 * s.rowsLessOne + s.highPerSection * (0.002 * s.rowsLessOne + 0.134) + 8.437;
}

double generalSidePlateLabour(const CasingSizes& s) {
    return 0.104 * s.rowsLessOne + (0.000037 * s.rowsLessOne + 0.002637) * s.length_mm + 7.166;
}

double supportLabour(const CasingSizes& s) {
    return 0.387 * s.rowsLessOne + s.highPerSection * (0.001 * s.rowsLessOne + 0.067) + 5.572;
}

double endPlateLabour(const CasingSizes& s, PlateLabour labour) {
    switch (labour) {
    case PlateLabour::Economy:
        return s.highPerSection * 0.167;
    case PlateLabour::Enclosed:
        return 2.747 * s.rowsLessOne + 0.512 * s.highPerSection + 18.683;
    case PlateLabour::General:
        break;
    }
    return generalEndPlateLabour(s);
}

double sidePlateLabour(const CasingSizes& s, PlateLabour labour) {
    switch (labour) {
    case PlateLabour::Economy:
        return s.length_mm * 1.947 / 1000.0 + 10.1;
    case PlateLabour::Enclosed:
        return s.length_mm * 4.405 / 1000.0 + 0.784 * s.rowsLessOne + 13.15;
    case PlateLabour::General:
        break;
    }
    return generalSidePlateLabour(s);
}

struct Panel {
    double material;
    double labour;
};

Panel drainpanPanel(const CoilCosting& c, const CasingSizes& s, PlateLabour labour,
                    double drainpanPrice) {
    // The margin enters this area in mm while the other terms are in m.
    const double margin_mm = c.DrainpanMargin;
    const double area =
        (2.0 * std::sqrt(margin_mm * margin_mm + (s.rowsDepth / 2.0) * (s.rowsDepth / 2.0)) +
         s.depth + 2.0 * margin_mm - s.rowsDepth) *
        s.length_mm / 1000.0 / 1000.0;
    Panel panel{area * drainpanPrice,
                labour == PlateLabour::Enclosed
                    ? 0.392 * s.rowsLessOne + s.length_mm * 7.214 / 1000.0 + 21.834
                    : 0.052 * s.rowsLessOne +
                          (0.019 * s.rowsLessOne + 6.33) * s.length_mm / 1000.0 + 18.84};
    if (c.Eliminators == 1) {
        panel.labour *= 2.0;
    }
    if (c.Drainpan == "Sloping") {
        panel.labour *= 2.5;
    } else if (c.Drainpan == "Removeable Flat") {
        panel.labour *= 2.0;
        panel.material *= 2.0;
    } else if (c.Drainpan == "Removeable Sloping") {
        panel.labour *= 3.0;
        panel.material *= 2.0;
    } else if (c.Drainpan == "Perforated Base") {
        panel.labour = 0.6 * generalSidePlateLabour(s);
        panel.material = (2.0 * s.plateMargin + s.length) * (2.0 * s.plateMargin + s.depth) * 1.1 *
                         drainpanPrice;
    }
    return panel;
}

// One panel position over all sections.
float overSections(const Panel& panel, const CasingSizes& s) {
    return store((panel.labour + panel.material) * s.sections);
}

int16_t centreSupportCount(const CoilCosting& c, const CasingSizes& s) {
    const auto wholeCount = [](double value) {
        return numbers::toCount(numbers::floorValue(value));
    };
    int16_t count = 0;
    if (c.FinDensity == 0) {
        count = std::max<int16_t>(wholeCount(s.length_mm / 600.0), 1);
    } else if (isAluminiumFin(c.FinType) && s.length_mm > 1500) {
        count = wholeCount(s.length_mm / 1500.0);
    } else if (isCopperFin(c.FinType) && s.length_mm > 1200) {
        count = wholeCount(s.length_mm / 1200.0);
    }
    if (s.highPerSection > 23 && count == 0) {
        count = 1;
    }
    return count;
}

void setPanelCounts(CoilCosting& c, const CasingStyleRule& style, const CasingSizes& s) {
    c.CentreSupportCount = centreSupportCount(c, s);
    if (!style.sidePlatesAndDrainpan) {
        c.SidePlateCount = 0;
    } else {
        c.SidePlateCount = c.Drainpan == "None" ? 2 : 1;
    }
    c.DrainpanFactor = drainpanCounted(c) ? 1.0f : 0.0f;
    c.BaffleCount = style.baffles;
}

// Weight of a panel from its sheet area (material part over sheet price).
double panelWeight(double material, const Sheet& panelSheet, double count) {
    if (count == 0) {
        return 0;
    }
    return material / panelSheet.price * panelSheet.thickness / 1000.0 * panelSheet.density * count;
}

} // namespace

void CostCasing(CoilCosting& costing, const PriceTable& prices) {
    const CasingStyleRule& style = casingStyle(costing.CasingStyle);
    const Sheet casingSheet = sheet(prices, costing.CasingMaterial);
    const bool noDrainpanSheet = costing.DrainpanMaterial == kNoDrainpanMaterial;
    const Sheet drainpanSheet = noDrainpanSheet ? Sheet{} : sheet(prices, costing.DrainpanMaterial);
    costing.SheetPrice = store(casingSheet.price);
    costing.SheetThickness = store(casingSheet.thickness);
    costing.SheetDensity = store(casingSheet.density);
    costing.DrainpanSheetPrice = store(drainpanSheet.price);
    costing.DrainpanSheetThickness = store(drainpanSheet.thickness);
    costing.DrainpanSheetDensity = store(drainpanSheet.density);

    const CasingSizes s(costing);
    const double price = casingSheet.price;
    const double plateHeight = s.sectionHeight + 2.0 * s.plateMargin;

    const Panel endPlate{
        plateHeight *
            (widen(costing.BackFlange) / 1000.0 + widen(costing.FrontFlange) / 1000.0 + s.depth) *
            price,
        0.5 * endPlateLabour(s, style.labour)};
    const Panel sidePlate{(2.0 * s.plateMargin + s.length) * (2.0 * s.plateMargin + s.depth) *
                              price,
                          0.5 * sidePlateLabour(s, style.labour)};
    const Panel support{(s.sectionHeight + 2.0 * s.supportMargin) *
                            (2.0 * s.supportMargin + s.depth) * price,
                        supportLabour(s)};
    const Panel drainpan = drainpanPanel(costing, s, style.labour, drainpanSheet.price);
    const Panel baffle{plateHeight * widen(costing.BaffleWidth) / 1000.0 * price,
                       0.1 * generalEndPlateLabour(s)};
    const bool covered = style.coverFactor != 0;
    const Panel cover{covered ? plateHeight * s.depth * price : 0.0,
                      covered ? 0.5 * supportLabour(s) : 0.0};

    costing.EndPlate = overSections(endPlate, s);
    costing.SidePlate = overSections(sidePlate, s);
    costing.CentreSupportPanel = overSections(support, s);
    costing.DrainpanPanel = overSections(drainpan, s);
    costing.BafflePanel = overSections(baffle, s);
    costing.CoverPanel = store((cover.labour + cover.material) * s.sections * style.coverFactor);

    setPanelCounts(costing, style, s);
    const double sidePlates = costing.SidePlateCount;
    const double supports = costing.CentreSupportCount;
    const double baffles = costing.BaffleCount;
    const double drainpans = costing.DrainpanFactor;
    costing.SheetMetalCost = store(
        baffles * widen(costing.BafflePanel) + 2.0 * widen(costing.CoverPanel) +
        supports * widen(costing.CentreSupportPanel) + drainpans * widen(costing.DrainpanPanel) +
        2.0 * widen(costing.EndPlate) + sidePlates * widen(costing.SidePlate));

    // Weights from the material parts of one section's panels, without the section factor.
    const double drainpanWeight =
        noDrainpanSheet ? 0.0 : panelWeight(drainpan.material, drainpanSheet, drainpans);
    costing.SheetMetalWeight =
        store(panelWeight(endPlate.material, casingSheet, 2.0) +
              panelWeight(sidePlate.material, casingSheet, sidePlates) +
              panelWeight(support.material, casingSheet, supports) + drainpanWeight +
              panelWeight(baffle.material, casingSheet, baffles) +
              panelWeight(cover.material, casingSheet, 2.0));
}

void SetSheetMetalBreakdown(CoilCosting& costing) {
    const double sections = costing.Sections;
    costing.EndPlates = store(2.0 * widen(costing.EndPlate) * sections);
    costing.SidePlates =
        store(static_cast<double>(costing.SidePlateCount) * widen(costing.SidePlate));
    costing.CSP =
        store(static_cast<double>(costing.CentreSupportCount) * widen(costing.CentreSupportPanel));
    costing.DrainpanCost = store(widen(costing.DrainpanFactor) * widen(costing.DrainpanPanel));
    costing.BafflePlates =
        store(static_cast<double>(costing.BaffleCount) * widen(costing.BafflePanel));
    costing.CoverPlates = store(2.0 * widen(costing.CoverPanel));
}

} // namespace rac::costmodel
