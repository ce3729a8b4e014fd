#pragma once

#include <cstdint>
#include <string>

// The costing record of the coil being priced: the screen layer fills the inputs of one coil,
// runs CostCoilBlock and CalcLabourBreakdown, and reads the results back; the same record is then
// refilled for the other coil. Money in pounds sterling, weights in kg, volumes in litres, lengths
// in mm unless named otherwise.
namespace rac::costmodel {

struct CoilCosting {
    // The coil as last calculated on the main screen
    std::string TubeDiameter; // "12mm", "16mm"
    std::string FinType;
    float FinDensity = 0; // fins per inch
    int16_t Rows = 0;
    float TubesHigh = 0;
    float FinnedLength = 0; // mm
    std::string CircuitType;
    int16_t CircuitNumber = 0; // the circuits entered in "Number" mode
    std::string ConnectionSize;
    int16_t Sections = 0;
    int16_t Headers = 0;

    // The costing screen's choices for this coil
    std::string CasingStyle;
    std::string CasingMaterial;
    std::string Drainpan;
    std::string DrainpanMaterial;  // a sheet material or "N/A"
    std::string CasingDepthSelect; // "Standard", "Non-Standard"
    float CasingDepth = 0;         // mm; the depth in use once costed
    int16_t Eliminators = 0;       // option flags: 1 ticked, 0 not
    int16_t Stiffeners = 0;
    int16_t Nutserts = 0;
    int16_t GAM = 0;
    int16_t ThickTube = 0;
    int16_t VentDrain = 0;
    int16_t TestPoints = 0;
    int16_t Blygold = 0;
    int16_t ETAM = 0;
    int16_t PreTinnedFins = 0;
    std::string BrazeMaterial;
    std::string ConnectionFlanges; // "Welded", "Screwed", "None"

    // Block working values
    int16_t Circuits = 0;
    float BendsPerCircuit = 0;
    float RowPitch = 0;  // m
    float TubePitch = 0; // m
    float TubeID = 0;    // m
    float FinCount = 0;
    float FinThickness = 0;    // m
    float FinArea = 0;         // m2
    float FinVolume = 0;       // m3
    float FinMetalDensity = 0; // kg/m3
    float FinPricePerKg = 0;
    float TubeLength = 0; // m

    // Header assembly
    float HeaderLength = 0; // m
    int16_t Connections = 0;
    float HeaderPipe = 0;
    float EndCaps = 0;
    float ConnectionsCost = 0;
    float HeaderSundries = 0;
    float ScrewedFlanges = 0;
    float WeldedFlanges = 0;
    float HeaderPipeWeight = 0;
    float ConnectionWeight = 0;
    float FlangeWeight = 0;

    // Block results
    float FinsMaterial = 0;
    float TubesMaterial = 0;
    float BendsMaterial = 0;
    float BrazeMaterialCost = 0;
    float FixMaterial = 0;
    float HeaderAssemblyMaterial = 0;
    float BlockMaterial = 0;
    float LabourCost = 0;
    float FinWeight = 0;
    float TubeWeight = 0;
    float BendWeight = 0;
    float HeaderAssemblyWeight = 0;
    float TubeVolume = 0;   // litres
    float HeaderVolume = 0; // litres

    // Options
    float EliminatorsMaterial = 0;
    float EliminatorsLabour = 0;
    float StiffenersMaterial = 0;
    float NutsertsMaterial = 0;
    float GAMMaterial = 0;
    float VentDrainMaterial = 0;
    float TestPointsMaterial = 0;
    float BlygoldMaterial = 0;
    float BlygoldLabour = 0;
    float ETAMMaterial = 0;
    float PreTinnedFinsMaterial = 0;     // the extra over copper fins, already inside FinsMaterial
    float ConnectionFlangesMaterial = 0; // already inside HeaderAssemblyMaterial
    float OptionsCost = 0;

    // Casing allowances (mm) and sheet properties
    float FrontFlange = 0;
    float BackFlange = 0;
    float PlateMargin = 0;
    float SupportMargin = 0;
    float DrainpanMargin = 0;
    float BaffleWidth = 0;
    float SheetPrice = 0;     // per m2
    float SheetThickness = 0; // mm
    float SheetDensity = 0;   // kg/m3
    float DrainpanSheetPrice = 0;
    float DrainpanSheetThickness = 0;
    float DrainpanSheetDensity = 0;

    // Casing panels, each for one panel position over all sections, and their counts
    float EndPlate = 0;
    float SidePlate = 0;
    float CentreSupportPanel = 0;
    float DrainpanPanel = 0;
    float BafflePanel = 0;
    float CoverPanel = 0;
    int16_t SidePlateCount = 0;
    int16_t CentreSupportCount = 0;
    int16_t BaffleCount = 0;
    float DrainpanFactor = 0; // 0 or 1
    float SheetMetalCost = 0;
    float SheetMetalWeight = 0;

    // Breakdown for display: labour operations and sheet-metal lines
    float FinsLabour = 0;
    float TubesLabour = 0;
    float CasingLabour = 0;
    float ExpansionLabour = 0;
    float BrazingLabour = 0;
    float TestingLabour = 0;
    float SprayingLabour = 0;
    float FinishingLabour = 0;
    float PackagingLabour = 0;
    float HeaderConnectionLabour = 0;
    float EndPlates = 0;
    float SidePlates = 0;
    float CSP = 0;
    float DrainpanCost = 0;
    float BafflePlates = 0;
    float CoverPlates = 0;

    // Totals
    float MaterialCost = 0;
    float TotalCost = 0;
    float SellPrice = 0;
    float CarriageCost = 0;
    float TotalWeight = 0;
    float InternalVolume = 0; // litres

    friend bool operator==(const CoilCosting&, const CoilCosting&) = default;
};

} // namespace rac::costmodel
