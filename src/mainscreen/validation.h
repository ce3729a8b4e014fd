#pragma once

#include <string_view>
#include <vector>

// The entry checks of the main screen, in the order Calculate runs them.
namespace rac::mainscreen::validation {

inline constexpr std::string_view kNonNumericTitle = "Non-Numeric Value";
inline constexpr std::string_view kOutOfRangeTitle = "Value Out Of Range";
inline constexpr std::string_view kNotWholeTitle = "Value Not Valid";
inline constexpr std::string_view kIncompatibleTitle = "Inputs Not Compatible";

// When a check runs: always, or only while the field is an entry of the mode.
enum class Applies { Always, AirOffDBTarget, EffectivenessTarget, DutyTarget, Rating };

struct Range {
    double low;
    bool lowIncluded;
    double high;
    bool highIncluded;

    bool contains(double value) const {
        return (lowIncluded ? value >= low : value > low) &&
               (highIncluded ? value <= high : value < high);
    }
};

// A field that must hold a number in a range, and for counts a whole number.
struct NumberCheck {
    std::string_view control;
    Applies applies;
    Range range;
    bool whole;
    std::string_view numericText;
    std::string_view rangeText;
    std::string_view wholeText; // empty when any number in the range will do
};

const std::vector<NumberCheck>& numberChecks();
// The check of one control; the control must have one.
const NumberCheck& numberCheckOf(std::string_view control);

} // namespace rac::mainscreen::validation
