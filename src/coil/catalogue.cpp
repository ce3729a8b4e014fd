#include "coil/catalogue.h"

#include <array>
#include <cmath>

namespace rac::coil {

namespace {

constexpr TubeSize kTubeSize12{"12mm", 0.0123, 0.0115, 0.0381, 0.033, 1.48, 38100, 0.5, "12"};
constexpr TubeSize kTubeSize16{"16mm", 0.0162, 0.0154, 0.04048, 0.035, 1.67, 40480, 1.0, "16"};

// A value typed as a decimal text, scaled (by 1000: to thousandths) and snapped to the whole
// number it denotes when it is one to within the rounding of its binary value.
long double scaledExact(double value, long scale) {
    const long double scaled = static_cast<long double>(value) * scale;
    const long double nearest = std::nearbyint(scaled);
    if (std::fabs(scaled - nearest) <= 1e-6L * std::max(1.0L, std::fabs(nearest))) {
        return nearest;
    }
    return scaled;
}

} // namespace

const TubeSize& tubeSize(std::string_view tubeDiameter) {
    return tubeDiameter == kTube12 ? kTubeSize12 : kTubeSize16;
}

const std::vector<FinTypeInfo>& finTypes() {
    static const std::vector<FinTypeInfo> types{
        {"Aluminium 0.15 rippled", true, true, FinPattern::Rippled, 0.00015},
        {"Aluminium 0.25 rippled", true, true, FinPattern::Rippled, 0.00025},
        {"Aluminium 0.4 rippled", true, false, FinPattern::Rippled, 0.0004},
        {"Aluminium vinyl coated 0.15 rippled", true, true, FinPattern::Rippled, 0.00015},
        {"Aluminium 0.15 louvre", true, false, FinPattern::Louvre, 0.00015},
        {"Aluminium 0.25 louvre", true, false, FinPattern::Louvre, 0.00025},
        {"Aluminium vinyl coated 0.15 louvre", true, false, FinPattern::Louvre, 0.00015},
        {"Copper 0.15 rippled", true, true, FinPattern::Rippled, 0.00015},
        {"Copper 0.25 rippled", true, true, FinPattern::Rippled, 0.00025},
        {"Copper 0.15 louvre", true, false, FinPattern::Louvre, 0.00015},
        {"Copper 0.25 louvre", true, false, FinPattern::Louvre, 0.00025},
    };
    return types;
}

const FinTypeInfo* findFinType(std::string_view name) {
    for (const FinTypeInfo& type : finTypes()) {
        if (type.name == name) {
            return &type;
        }
    }
    return nullptr;
}

std::vector<std::string> finTypesOffered(std::string_view tubeDiameter) {
    const bool is12 = tubeDiameter == kTube12;
    std::vector<std::string> names;
    for (const FinTypeInfo& type : finTypes()) {
        if (is12 ? type.offeredWith12 : type.offeredWith16) {
            names.emplace_back(type.name);
        }
    }
    return names;
}

std::string_view defaultFinType(std::string_view tubeDiameter) {
    return tubeDiameter == kTube12 ? "Aluminium 0.15 louvre" : "Aluminium 0.15 rippled";
}

bool isVinylCoated(std::string_view finType) {
    return finType == "Aluminium vinyl coated 0.15 rippled" ||
           finType == "Aluminium vinyl coated 0.15 louvre";
}

bool isThinAluminium(std::string_view finType) {
    return finType == "Aluminium 0.15 rippled" || finType == "Aluminium 0.15 louvre";
}

long finnedHeightFromTubes(double tubesHigh, std::string_view tubeDiameter) {
    // Whole micrometres: tubes x height per tube + 4 mm; an exact quotient stays exact.
    const long double micrometres =
        scaledExact(tubesHigh, 1000) * tubeSize(tubeDiameter).finnedHeightPerTube_um / 1000 +
        4000.0L;
    return static_cast<long>(std::floor(micrometres / 1000));
}

long tubesFromFinnedHeight(double finnedHeight, std::string_view tubeDiameter) {
    const long double perTube = tubeSize(tubeDiameter).finnedHeightPerTube_um;
    const long double heightUm = scaledExact(finnedHeight, 1000);
    // Int(h / p + 0.5) = Int((2h + p) / 2p), kept in whole micrometres where the input is exact.
    return static_cast<long>(std::floor((2.0L * heightUm + perTube) / (2.0L * perTube)));
}

int sectionsFromTubes(double tubesHigh) {
    if (tubesHigh >= 160) {
        return 6;
    }
    if (tubesHigh > 128) {
        return 5;
    }
    if (tubesHigh > 96) {
        return 4;
    }
    if (tubesHigh > 64) {
        return 3;
    }
    if (tubesHigh > 32) {
        return 2;
    }
    return 1;
}

} // namespace rac::coil
