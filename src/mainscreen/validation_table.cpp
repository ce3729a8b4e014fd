#include "mainscreen/validation.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

namespace rac::mainscreen::validation {

namespace {

constexpr double kNoLimit = std::numeric_limits<double>::infinity();

constexpr Range kAirTemperature{-30, false, 100, false};
constexpr Range kEffectiveness{0, false, 100, true};
constexpr Range kDuty{0, false, kNoLimit, false};
constexpr Range kAirVolume{0, false, 100, false};
constexpr Range kTubesHigh{4, true, 100, false};
constexpr Range kCoilDimension{100, true, 5000, true};
constexpr Range kSections{0, false, 11, false};
constexpr Range kRows{1, true, 16, true};
constexpr Range kGlycol{0, true, 100, true};
constexpr Range kMaxFluidPD{0, false, 100, true};

} // namespace

const std::vector<NumberCheck>& numberChecks() {
    using enum Applies;
    static const std::vector<NumberCheck> checks{
        {"txtDBSupplyOn",
         Always,
         kAirTemperature,
         false,
         "The supply air on dry bulb temperature must be numeric.",
         "The supply air on dry bulb temperature must be greater than -30°C and less than 100°C.",
         {}},
        {"txtDBSupplyOff",
         AirOffDBTarget,
         kAirTemperature,
         false,
         "The supply air off dry bulb temperature must be numeric.",
         "The supply air off dry bulb temperature must be greater than -30°C and less than 100°C.",
         {}},
        {"txtEffectiveness",
         EffectivenessTarget,
         kEffectiveness,
         false,
         "The effectiveness must be numeric.",
         "The effectiveness must be greater than 0% and less than or equal to 100%.",
         {}},
        {"txtDuty",
         DutyTarget,
         kDuty,
         false,
         "The duty must be numeric.",
         "The duty must be greater than 0 kW.",
         {}},
        {"txtDBExtractOn",
         Always,
         kAirTemperature,
         false,
         "The extract air on dry bulb temperature must be numeric.",
         "The extract air on dry bulb temperature must be greater than -30°C and less than 100°C.",
         {}},
        {"txtAirVolSupply",
         Always,
         kAirVolume,
         false,
         "The supply air volume must be numeric.",
         "The supply air volume must be greater than 0 m³/s and less than 100 m³/s.",
         {}},
        {"txtAirVolExtract",
         Always,
         kAirVolume,
         false,
         "The extract air volume must be numeric.",
         "The extract air volume must be greater than 0 m³/s and less than 100 m³/s.",
         {}},
        {"txtTubesHighSupply", Always, kTubesHigh, true,
         "The supply number of tubes high must be numeric.",
         "The supply number of tubes high must be greater than or equal to 4 and less than 100.",
         "The supply number of tubes high must be an integer value."},
        {"txtTubesHighExtract", Always, kTubesHigh, true,
         "The extract number of tubes high must be numeric.",
         "The extract number of tubes high must be greater than or equal to 4 and less than 100.",
         "The extract number of tubes high must be an integer value."},
        {"txtFinnedHeightSupply",
         Always,
         kCoilDimension,
         false,
         "The supply finned height must be numeric.",
         "The supply finned height must be greater than or equal to 100 mm and less than or "
         "equal to 5000 mm.",
         {}},
        {"txtFinnedHeightExtract",
         Always,
         kCoilDimension,
         false,
         "The extract finned height must be numeric.",
         "The extract finned height must be greater than or equal to 100 mm and less than or "
         "equal to 5000 mm.",
         {}},
        {"txtFinnedLengthSupply",
         Always,
         kCoilDimension,
         false,
         "The supply finned length must be numeric.",
         "The supply finned length must be greater than or equal to 100 mm and less than or "
         "equal to 5000 mm.",
         {}},
        {"txtFinnedLengthExtract",
         Always,
         kCoilDimension,
         false,
         "The extract finned length must be numeric.",
         "The extract finned length must be greater than or equal to 100 mm and less than or "
         "equal to 5000 mm.",
         {}},
        {"txtNumberSectionsSupply", Always, kSections, true,
         "The supply number of sections must be numeric.",
         "The supply number of sections must be greater than 0 and less than or equal to 10.",
         "The supply number of sections must be a whole number."},
        {"txtNumberSectionsExtract", Always, kSections, true,
         "The extract number of sections must be numeric.",
         "The extract number of sections must be greater than 0 and less than or equal to 10.",
         "The extract number of sections must be a whole number."},
        {"txtNumberRowsSupply", Rating, kRows, true, "The supply number of rows must be numeric.",
         "The supply number of rows must be greater than or equal to 1 and less than or equal to "
         "16.",
         "The supply number of rows must be a whole number."},
        {"txtNumberRowsExtract", Rating, kRows, true, "The extract number of rows must be numeric.",
         "The extract number of rows must be greater than or eaqual to 1 and less than or equal "
         "to 16.",
         "The extract number of rows must be a whole number."},
        {"txtGlycol",
         Always,
         kGlycol,
         false,
         "The % of glycol must be numeric.",
         "The % of glycol in water must be greater than or equal to 0% and less than or equal to "
         "100%. For pure water set this value to 0%.",
         {}},
        {"txtFluidMaxPDSupply",
         Always,
         kMaxFluidPD,
         false,
         "The maximum supply fluid pressure drop must be numeric.",
         "The maximum supply fluid pressure drop must be greater than 0 kPa and less than or "
         "equal to 100 kPa.",
         {}},
        {"txtFluidMaxPDExtract",
         Always,
         kMaxFluidPD,
         false,
         "The maximum extract fluid pressure drop must be numeric.",
         "The maximum extract fluid pressure drop must be greater than 0 kPa and less than or "
         "equal to 100 kPa.",
         {}},
    };
    return checks;
}

const NumberCheck& numberCheckOf(std::string_view control) {
    const auto& checks = numberChecks();
    const auto found = std::find_if(checks.begin(), checks.end(),
                                    [&](const NumberCheck& c) { return c.control == control; });
    if (found == checks.end()) {
        throw std::logic_error("no entry check for " + std::string(control));
    }
    return *found;
}

} // namespace rac::mainscreen::validation
