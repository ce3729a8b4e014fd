#include "costmodel/header_assembly.h"

#include "foundation/numbers.h"

#include <array>
#include <string_view>

namespace rac::costmodel {

using numbers::store;
using numbers::widen;

namespace {

struct ConnectionPrices {
    std::string_view size;
    double headerPipePerMetre;
    double endCap;
    double connection;
    double sundries; // per coil
    double screwedFlange;
    double weldedFlange;
    double headerPipeKgPerMetre;
    double headerLitresPerMetre;
    double connectionKg;
    double screwedFlangeKg;
    double weldedFlangeKg;
};

constexpr std::array<ConnectionPrices, 10> kConnectionPrices{{
    {"15mm", 0, 0, 0.3, 0, 0, 0, 0, 0, 0.1, 0, 0},
    {"22mm", 0, 0, 0.5, 0, 0, 0, 0, 0, 0.15, 0, 0},
    {"½ inch", 0, 0, 1.5, 0, 4, 0, 0, 0, 0.2, 0.78, 0},
    {"¾ inch", 5.5, 0.13, 2.35, 1.0, 5, 15, 1.57, 0.49, 0.41, 1.09, 1.09},
    {"1 inch", 5.5, 0.13, 2.35, 1.5, 6, 16, 1.57, 0.49, 0.48, 1.31, 1.31},
    {"1¼ inch", 8, 0.2, 2.5, 2.0, 7, 17, 2.36, 1.19, 0.61, 2.19, 2.19},
    {"1½ inch", 8.5, 0.45, 2.65, 2.5, 8, 18, 2.7, 1.58, 0.7, 2.51, 2.51},
    {"2 inch", 15, 0.58, 3.25, 3.0, 9, 19, 3.4, 2.54, 0.88, 3.38, 3.38},
    {"2½ inch", 20, 1.4, 6, 3.5, 10, 20, 4.3, 4.05, 1.11, 4.25, 4.25},
    {"3 inch", 25, 2, 10, 4.0, 11, 21, 5.04, 5.64, 1.3, 5.46, 5.46},
}};

// A size not in the table prices and weighs nothing.
ConnectionPrices connectionPrices(std::string_view size) {
    for (const ConnectionPrices& row : kConnectionPrices) {
        if (row.size == size) {
            return row;
        }
    }
    return {size, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
}

} // namespace

// "1B" and "2B" coils follow the same rules: the coil model gives them "15mm" and "22mm"
// connections with one header pair, and those rows carry no header pipe, end caps or sundries.
void CostHeaderAssembly(CoilCosting& costing) {
    const ConnectionPrices row = connectionPrices(costing.ConnectionSize);
    const bool screwed = costing.ConnectionFlanges == "Screwed";
    const bool welded = costing.ConnectionFlanges == "Welded";

    costing.HeaderLength = store(2.0 * widen(costing.TubePitch) * widen(costing.TubesHigh));
    costing.Connections = numbers::toCount(2.0 * static_cast<double>(costing.Headers));
    const double headerLength = costing.HeaderLength;
    const double connections = costing.Connections;

    costing.HeaderPipe = store(headerLength * row.headerPipePerMetre);
    costing.EndCaps = store(4.0 * row.endCap);
    costing.ConnectionsCost = store(connections * row.connection);
    costing.HeaderSundries = store(row.sundries);
    costing.ScrewedFlanges = store(screwed ? connections * row.screwedFlange : 0.0);
    costing.WeldedFlanges = store(welded ? connections * row.weldedFlange : 0.0);
    costing.ConnectionFlangesMaterial =
        store(widen(costing.WeldedFlanges) + widen(costing.ScrewedFlanges));
    costing.HeaderAssemblyMaterial =
        store(widen(costing.HeaderPipe) + widen(costing.EndCaps) + widen(costing.ConnectionsCost) +
              widen(costing.HeaderSundries) + widen(costing.ScrewedFlanges) +
              widen(costing.WeldedFlanges));

    costing.HeaderPipeWeight = store(headerLength * row.headerPipeKgPerMetre);
    costing.HeaderVolume = store(headerLength * row.headerLitresPerMetre);
    costing.ConnectionWeight = store(connections * row.connectionKg);
    const double flangeKg = screwed ? row.screwedFlangeKg : welded ? row.weldedFlangeKg : 0.0;
    costing.FlangeWeight = store(connections * flangeKg);
    costing.HeaderAssemblyWeight =
        store(widen(costing.ConnectionWeight) + widen(costing.HeaderPipeWeight) +
              widen(costing.FlangeWeight));
}

} // namespace rac::costmodel
