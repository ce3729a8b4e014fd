#pragma once

#include <string>
#include <string_view>
#include <vector>

// The coil catalogue: tube sizes, fin types and the geometry rules that tie finned height, tubes
// high and sections together. Items are recognised by exact comparison of the whole text.
namespace rac::coil {

struct TubeSize {
    std::string_view name;       // "12mm", "16mm"
    double outsideDiameter;      // m
    double insideDiameter;       // m
    double tubePitch;            // m, in the face
    double rowPitch;             // m, depth per row
    double coreVelocityFactor;   // face velocity x factor = velocity between the tubes
    long finnedHeightPerTube_um; // finned height per tube high in micrometres (38.1 mm exactly)
    double returnBendLength;     // m, equivalent length of one return bend
    std::string_view code;       // tube part of the coil code
};

// "12mm" gives the 12 mm tube; any other text is taken as "16mm", as the coil model does.
const TubeSize& tubeSize(std::string_view tubeDiameter);

inline constexpr std::string_view kTube12 = "12mm";
inline constexpr std::string_view kTube16 = "16mm";

enum class FinPattern { Rippled, Louvre };

struct FinTypeInfo {
    std::string_view name;
    bool offeredWith12;
    bool offeredWith16;
    FinPattern pattern;
    double thickness; // m
};

// All eleven fin types in the order the main screen lists them.
const std::vector<FinTypeInfo>& finTypes();

// The fin type with this exact name, or nullptr.
const FinTypeInfo* findFinType(std::string_view name);

// Fin type names offered with a tube size, in list order, and the one preselected.
std::vector<std::string> finTypesOffered(std::string_view tubeDiameter);
std::string_view defaultFinType(std::string_view tubeDiameter);

bool isVinylCoated(std::string_view finType);
// "Aluminium 0.15 rippled" or "Aluminium 0.15 louvre": treated as 0.25 mm at 6 FPI or less.
bool isThinAluminium(std::string_view finType);

// Finned height (mm) = Int(tubes high x height per tube + 4), evaluated on the exact decimal
// values so that 25 tubes of "16mm" give 1016 mm and not 1015.
long finnedHeightFromTubes(double tubesHigh, std::string_view tubeDiameter);

// Tubes high = Int(finned height / height per tube + 0.5), on the exact decimal values.
long tubesFromFinnedHeight(double finnedHeight, std::string_view tubeDiameter);

// Sections: 1 below 33 tubes, 2 above 32, 3 above 64, 4 above 96, 5 above 128, 6 from 160 up.
int sectionsFromTubes(double tubesHigh);

} // namespace rac::coil
