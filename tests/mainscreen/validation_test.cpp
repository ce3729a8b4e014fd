#include "main_screen_fixture.h"

#include <string>
#include <vector>

namespace rac::mainscreen::testing_support {
namespace {

enum class Mode { AirOffDB, Effectiveness, Duty, Rating };

// One refused request: the mode, the entries that differ from the start-up screen, and the one
// message Calculate must show, with the field that gets the focus back ("" for none).
struct Refusal {
    std::string name;
    Mode mode;
    std::vector<std::pair<std::string, std::string>> entries;
    std::string title;
    std::string text;
    std::string focus;
};

std::ostream& operator<<(std::ostream& out, const Refusal& refusal) {
    return out << refusal.name;
}

// A refusal of one entry, which gets the focus back.
Refusal one(std::string name, Mode mode, std::string field, std::string value, std::string title,
            std::string text) {
    return {std::move(name), mode, {{field, value}}, std::move(title), std::move(text), field};
}
Refusal several(std::string name, Mode mode,
                std::vector<std::pair<std::string, std::string>> entries, std::string title,
                std::string text, std::string focus) {
    return {std::move(name), mode, std::move(entries), std::move(title), std::move(text),
            std::move(focus)};
}

// Air Off DB is the start-up mode; choosing it again would blank the supply off entry.
void chooseMode(platform::Form& main, Mode mode) {
    if (mode != Mode::AirOffDB) {
        const char* menu = mode == Mode::Effectiveness ? "mnuEffectiveness"
                           : mode == Mode::Duty        ? "mnuDuty"
                                                       : "mnuRating";
        ASSERT_TRUE(platform::user::click(main, menu));
    }
}

class Refusals : public MainScreen, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Refusals, ShowOneMessageAndStop) {
    const Refusal& refusal = GetParam();
    chooseMode(main, refusal.mode);
    if (refusal.mode == Mode::Effectiveness) {
        control("txtEffectiveness").setText("50");
    } else if (refusal.mode == Mode::Duty) {
        control("txtDuty").setText("20");
    }
    // Written as the program would, so that no leaving rule adjusts a partner field.
    for (const auto& [field, value] : refusal.entries) {
        control(field).setText(value);
    }
    services.messages.clear();
    calculate();

    ASSERT_EQ(services.messages.shown().size(), 1U) << testing::PrintToString(titles());
    const Message& shown = lastMessage();
    EXPECT_EQ(shown.title, refusal.title);
    EXPECT_EQ(shown.text, refusal.text);
    EXPECT_EQ(shown.icon, MessageIcon::Information);
    if (refusal.focus.empty()) {
        EXPECT_EQ(main.focus(), &control("cmdCalculate")); // where the click left it
    } else {
        EXPECT_EQ(main.focus(), &control(refusal.focus));
    }
    EXPECT_EQ(main.mousePointer(), platform::MousePointer::Normal);
    EXPECT_EQ(services.events.count(), 1); // the wait pointer is drawn before the checks
    EXPECT_EQ(text("txtDBExtractOff"), "");
    EXPECT_FALSE(control("cmdCosting").enabled());
}

const std::string kNonNumeric = "Non-Numeric Value";
const std::string kOutOfRange = "Value Out Of Range";
const std::string kNotWhole = "Value Not Valid";
const std::string kIncompatible = "Inputs Not Compatible";

using enum Mode;

// The tubes high that is not whole ("4.5") is refused in the validation_focus transcript, a duty
// that is not a number in the rac-cli request tests.
INSTANTIATE_TEST_SUITE_P(
    Validation, Refusals,
    ::testing::Values(
        one("SupplyOnNotANumber", AirOffDB, "txtDBSupplyOn", "1o", kNonNumeric,
            "The supply air on dry bulb temperature must be numeric."),
        one("SupplyOnAt100", AirOffDB, "txtDBSupplyOn", "100", kOutOfRange,
            "The supply air on dry bulb temperature must be greater than -30°C and less than "
            "100°C."),
        one("SupplyOffAtMinus30", AirOffDB, "txtDBSupplyOff", "-30", kOutOfRange,
            "The supply air off dry bulb temperature must be greater than -30°C and less than "
            "100°C."),
        one("SupplyOffEmpty", AirOffDB, "txtDBSupplyOff", "", kNonNumeric,
            "The supply air off dry bulb temperature must be numeric."),
        one("EffectivenessZero", Effectiveness, "txtEffectiveness", "0", kOutOfRange,
            "The effectiveness must be greater than 0% and less than or equal to 100%."),
        one("EffectivenessText", Effectiveness, "txtEffectiveness", "high", kNonNumeric,
            "The effectiveness must be numeric."),
        one("DutyZero", Duty, "txtDuty", "0", kOutOfRange, "The duty must be greater than 0 kW."),
        one("ExtractOnAt100", Rating, "txtDBExtractOn", "100", kOutOfRange,
            "The extract air on dry bulb temperature must be greater than -30°C and less than "
            "100°C."),
        one("SupplyVolumeAt100", AirOffDB, "txtAirVolSupply", "100", kOutOfRange,
            "The supply air volume must be greater than 0 m³/s and less than 100 m³/s."),
        one("ExtractVolumeZero", AirOffDB, "txtAirVolExtract", "0", kOutOfRange,
            "The extract air volume must be greater than 0 m³/s and less than 100 m³/s."),
        one("ExtractVolumeText", AirOffDB, "txtAirVolExtract", "2,5", kNonNumeric,
            "The extract air volume must be numeric."),
        one("SupplyTubesAt100", AirOffDB, "txtTubesHighSupply", "100", kOutOfRange,
            "The supply number of tubes high must be greater than or equal to 4 and less than "
            "100."),
        one("ExtractTubesThree", AirOffDB, "txtTubesHighExtract", "3", kOutOfRange,
            "The extract number of tubes high must be greater than or equal to 4 and less than "
            "100."),
        one("ExtractTubesText", AirOffDB, "txtTubesHighExtract", "x", kNonNumeric,
            "The extract number of tubes high must be numeric."),
        one("SupplyHeight99", AirOffDB, "txtFinnedHeightSupply", "99", kOutOfRange,
            "The supply finned height must be greater than or equal to 100 mm and less than or "
            "equal to 5000 mm."),
        one("ExtractHeightText", AirOffDB, "txtFinnedHeightExtract", "tall", kNonNumeric,
            "The extract finned height must be numeric."),
        one("SupplyLength5001", AirOffDB, "txtFinnedLengthSupply", "5001", kOutOfRange,
            "The supply finned length must be greater than or equal to 100 mm and less than or "
            "equal to 5000 mm."),
        one("ExtractLengthText", AirOffDB, "txtFinnedLengthExtract", "", kNonNumeric,
            "The extract finned length must be numeric."),
        one("SupplySectionsHalf", AirOffDB, "txtNumberSectionsSupply", "10.5", kNotWhole,
            "The supply number of sections must be a whole number."),
        one("SupplySections11", AirOffDB, "txtNumberSectionsSupply", "11", kOutOfRange,
            "The supply number of sections must be greater than 0 and less than or equal to 10."),
        one("ExtractSectionsZero", AirOffDB, "txtNumberSectionsExtract", "0", kOutOfRange,
            "The extract number of sections must be greater than 0 and less than or equal to 10."),
        one("ExtractSectionsText", AirOffDB, "txtNumberSectionsExtract", "one", kNonNumeric,
            "The extract number of sections must be numeric."),
        one("SupplyRows17", Rating, "txtNumberRowsSupply", "17", kOutOfRange,
            "The supply number of rows must be greater than or equal to 1 and less than or equal "
            "to 16."),
        one("SupplyRowsText", Rating, "txtNumberRowsSupply", "abc", kNonNumeric,
            "The supply number of rows must be numeric."),
        one("ExtractRowsZero", Rating, "txtNumberRowsExtract", "0", kOutOfRange,
            "The extract number of rows must be greater than or eaqual to 1 and less than or equal "
            "to 16."),
        one("ExtractRowsHalf", Rating, "txtNumberRowsExtract", "2.5", kNotWhole,
            "The extract number of rows must be a whole number."),
        one("GlycolAbove100", AirOffDB, "txtGlycol", "100.1", kOutOfRange,
            "The % of glycol in water must be greater than or equal to 0% and less than or equal "
            "to 100%. For pure water set this value to 0%."),
        one("GlycolEmpty", AirOffDB, "txtGlycol", "", kNonNumeric,
            "The % of glycol must be numeric."),
        // Rating hides the maximum pressure drops but still checks them; a hidden box cannot
        // take the focus.
        several("SupplyMaxPDHiddenInRating", Rating, {{"txtFluidMaxPDSupply", "abc"}}, kNonNumeric,
                "The maximum supply fluid pressure drop must be numeric.", ""),
        one("ExtractMaxPDEmpty", Duty, "txtFluidMaxPDExtract", "", kNonNumeric,
            "The maximum extract fluid pressure drop must be numeric."),
        several("SupplyCircuitsText", AirOffDB,
                {{"cmbCircuitTypeSelectSupply", "Number"}, {"cmbCircuitTypeSupply", "two"}},
                "Number of Supply Circuits Non-Numeric",
                "The number of supply circuits must be a numeric value.", "cmbCircuitTypeSupply"),
        several("SupplyCircuitsBelowOne", Rating,
                {{"cmbCircuitTypeSelectSupply", "Number"}, {"cmbCircuitTypeSupply", "0.5"}},
                "Number of Supply Circuits Incorrect",
                "The number of supply circuits must be a numeric integer value greater than or "
                "equal to 1.",
                "cmbCircuitTypeSupply"),
        several("SupplyCircuitTypeTyped", AirOffDB,
                {{"cmbCircuitTypeSelectSupply", "Fixed"}, {"cmbCircuitTypeSupply", "h"}},
                "Supply Circuit Type Not Compatible",
                "Circuit type (supply) must be 1B, 2B, H, P, F, Q or D. Please select from the "
                "drop down list.",
                "cmbCircuitTypeSupply"),
        several("ExtractCircuitsNegative", AirOffDB,
                {{"cmbCircuitTypeSelectExtract", "Number"}, {"cmbCircuitTypeExtract", "-3"}},
                "Number of Extract Circuits Incorrect",
                "The number of extract circuits must be a numeric integer value greater than or "
                "equal to 1.",
                "cmbCircuitTypeExtract"),
        one("ExtractCircuitTypeTyped", Rating, "cmbCircuitTypeExtract", "Z",
            "Extract Circuit Type Not Compatible",
            "Circuit type (extract) must be 1B, 2B, H, P, F, Q or D. Please select from the drop "
            "down list."),
        several("HeatingBeyondExtract", AirOffDB,
                {{"txtDBSupplyOn", "10"}, {"txtDBSupplyOff", "20"}, {"txtDBExtractOn", "19"}},
                kIncompatible,
                "If the supply off temperature is greater than the supply on temperature then the "
                "extract on temperature must be greater than the supply off temperature.",
                ""),
        several("CoolingBeyondExtract", AirOffDB,
                {{"txtDBSupplyOn", "30"}, {"txtDBSupplyOff", "20"}, {"txtDBExtractOn", "21"}},
                kIncompatible,
                "If the supply off temperature is less than the supply on temperature then the "
                "extract on temperature must be less than the supply off temperature.",
                ""),
        several("SupplyOffEqualsOn", AirOffDB,
                {{"txtDBSupplyOn", "10"}, {"txtDBSupplyOff", "10.0"}}, kIncompatible,
                "The supply on temperature cannot be equal to the supply off temperature.", ""),
        several("RatingWithEqualAirOn", Rating, {{"txtDBSupplyOn", "20"}}, kIncompatible,
                "The supply on temperature cannot be equal to the extract on temperature.", ""),
        several("FirstFailureWins", AirOffDB, {{"txtGlycol", "x"}, {"txtAirVolSupply", "x"}},
                kNonNumeric, "The supply air volume must be numeric.", "txtAirVolSupply")),
    [](const ::testing::TestParamInfo<Refusal>& row) { return row.param.name; });

using Acceptance = MainScreen;

// Values at the edges that must pass; each is checked on its own against the start-up screen.
TEST_F(Acceptance, EdgeValuesPass) {
    const std::pair<std::string, std::string> accepted[] = {
        {"txtDBSupplyOn", "-29.9"},
        {"txtDBSupplyOff", "19.9"},
        {"txtDBExtractOn", "99.9"},
        {"txtTubesHighSupply", "4"},
        {"txtTubesHighExtract", "99"},
        {"txtFinnedHeightSupply", "5000"},
        {"txtFinnedLengthExtract", "100"},
        {"txtNumberSectionsSupply", "10"},
        {"txtGlycol", "100"},
        {"txtFluidMaxPDExtract", "100"},
        {"txtAirVolSupply", " 2.5 "},
        {"txtDBSupplyOff", "20"},
        {"txtNumberRowsSupply", "abc"}, // rows are not an entry in Selection
    };
    for (const auto& [field, value] : accepted) {
        platform::RecordingServices fresh;
        program::Application program(fresh.services());
        program.start();
        FrmMain& screen = program.form<FrmMain>();
        screen.at(field).setText(value);
        fresh.messages.clear();
        screen.ValidateInputs();
        EXPECT_TRUE(fresh.messages.shown().empty())
            << field << " = \"" << value << "\": " << fresh.messages.shown().front().text;
    }
}

TEST_F(Acceptance, CircuitNumberIsCutToWholeCircuits) {
    pick("cmbCircuitTypeSelectSupply", "Number");
    control("cmbCircuitTypeSupply").setText("2.9");
    main.ValidateInputs();
    EXPECT_TRUE(services.messages.shown().empty());
    EXPECT_EQ(text("cmbCircuitTypeSupply"), "2");

    control("cmbCircuitTypeSupply").setText("-0");
    main.ValidateInputs();
    EXPECT_EQ(text("cmbCircuitTypeSupply"), "0");
    EXPECT_EQ(lastMessage().title, "Number of Supply Circuits Incorrect");
}

} // namespace
} // namespace rac::mainscreen::testing_support
