#pragma once

#include "mainscreen/validation.h"

#include <array>
#include <limits>
#include <optional>
#include <string_view>

// The checks of the costing screen's typed entries: the number a box must hold, and what the
// screen says when it does not.
namespace rac::costing::checks {

using mainscreen::validation::Range;

struct EntryCheck {
    std::string_view control;
    Range range;
    std::string_view numericTitle;
    std::string_view numericText;
    std::string_view rangeTitle;
    std::string_view rangeText;
};

inline constexpr double kNoLimit = std::numeric_limits<double>::infinity();

inline constexpr EntryCheck kGrossMargin{
    "txtGrossMargin",
    {0, true, 100, false},
    "Non-Numeric Value",
    "The Gross Margin must be numeric.",
    "Value Out of Range",
    "The Gross Margin must be greater than or equal to 0% and less than 100%."};

// A non-standard casing depth, by side: 5 mm passes, though the message says "greater than".
inline constexpr std::array<EntryCheck, 2> kCasingDepths{{
    {"txtCasingDepthSupply",
     {5, true, kNoLimit, false},
     "Non-Numeric Value",
     "The supply casing depth must be numeric.",
     "Value Out of Range",
     "The supply casing depth must be greater than 5mm."},
    {"txtCasingDepthExtract",
     {5, true, kNoLimit, false},
     "Non-Numeric Value",
     "The extract casing depth must be numeric.",
     "Value Out of Range",
     "The extract casing depth must be greater than 5mm."},
}};

// The payback inputs, in the order they are checked.
inline constexpr std::string_view kPaybackNumericTitle = "Non-Numeric Value or Return Key Pressed";
inline constexpr std::string_view kPaybackRangeTitle = "Invalid Value";
inline constexpr std::array<EntryCheck, 3> kPaybackInputs{{
    {"txtEnergyCost",
     {0.000001, true, 1000, true},
     kPaybackNumericTitle,
     "Energy Cost input is not numeric. Please enter a valid value.",
     kPaybackRangeTitle,
     "Energy cost must be between 0.000001 and 1000. Please enter a valid value."},
    {"txtAnnualRunHours",
     {100, true, 8760, true},
     kPaybackNumericTitle,
     "Annual running hours input is not numeric. Please enter a valid value.",
     kPaybackRangeTitle,
     "Annual running hours must be between 100 and 8760 hours. Please enter a valid value."},
    {"txtExchangeRate",
     {0.000001, true, kNoLimit, false},
     kPaybackNumericTitle,
     "Exchange Rate input is not numeric. Please enter a valid value.",
     kPaybackRangeTitle,
     "Exchange Rate must be greater than 0.000001. Please enter a valid value."},
}};

struct Refusal {
    std::string_view title;
    std::string_view text;
};

// Why the text fails the check, or nothing when it passes.
std::optional<Refusal> refusalOf(const EntryCheck& check, std::string_view text);

} // namespace rac::costing::checks
