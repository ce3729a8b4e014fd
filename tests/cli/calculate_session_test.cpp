#include "cli/application_program.h"
#include "cli/calculate_command.h"
#include "cli/calculate_driver.h"
#include "test_program.h"

#include <gtest/gtest.h>
#include <sstream>

namespace rac::cli {
namespace {

std::vector<std::string> answersTo(const std::string& batch) {
    std::istringstream in(batch);
    std::ostringstream out;
    std::ostringstream err;
    runCalculate(in, out, err, launchApplication);
    std::vector<std::string> lines;
    std::istringstream written(out.str());
    for (std::string line; std::getline(written, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Requests that leave the screen in every kind of state for the next one: both modes, all
// targets and coil options, failed checks with the focus held, stopped calculations, and
// requests the screen refuses part way through.
const std::vector<std::string> variedRequests{
    R"({"mode": "Rating", "fields": {"cmbCircuitTypeSelectSupply": "Number",
        "cmbCircuitTypeSupply": "4", "txtNumberRowsSupply": "6", "txtGlycol": "20"}})",
    R"({})",
    R"({"target": "Effectiveness", "fields": {"txtEffectiveness": "65",
        "cmbFinDensitySelectExtract": "Maximum", "cmbGlycolSelect": "PGS"}})",
    R"({"target": "Duty", "fields": {"txtDuty": "abc"}})",
    R"({"fields": {"cmbTubeDiameterSupply": "16mm", "cmbFinDensitySelectSupply": "Fixed",
        "cmbFinMatTypeSupply": "Copper 0.15 rippled", "cmbFinDensitySupply": "10",
        "cmbCircuitTypeSelectExtract": "Fixed", "cmbCircuitTypeExtract": "D"}})",
    R"({"fields": {"txtTubesHighSupply": "x", "txtFinnedLengthSupply": "2000"}})",
    R"({"fields": {"cmbCircuitTypeSupply": "2"}})",
    R"({"fields": {"txtDBSupplyOn": "25", "txtDBSupplyOff": "12", "txtDBExtractOn": "22"}})",
    R"({"fields": {"cmbTubeDiameterSupply": "20mm"}})",
    R"({"mode": "Rating", "fields": {"txtNumberRowsExtract": "16", "txtAirVolSupply": "9"}})",
    R"({"fields": {"txtFluidMaxPDSupply": "5", "txtFluidMaxPDExtract": "200"}})",
    R"({})",
};

TEST(CalculateBatch, OneProgramAnswersEachRequestAsAFreshlyLaunchedOne) {
    std::string batch;
    std::vector<std::string> alone;
    for (const std::string& request : variedRequests) {
        std::string line = request;
        std::erase(line, '\n');
        batch += line + "\n";
        auto answer = answersTo(line + "\n");
        ASSERT_EQ(answer.size(), 1u) << line;
        // Alone, every request is on line 1.
        const std::string place = "\"line 1: ";
        if (const auto at = answer.front().find(place); at != std::string::npos) {
            answer.front().replace(at, place.size(),
                                   "\"line " + std::to_string(alone.size() + 1) + ": ");
        }
        alone.push_back(answer.front());
    }
    EXPECT_EQ(answersTo(batch), alone);
}

// A program that restarts by building its forms again, counting its launches and restarts.
struct Starts {
    int launches = 0;
    int restarts = 0;
};

class CountingProgram final : public Program {
  public:
    CountingProgram(platform::Services services, Launcher launch, Starts& starts)
        : services_(services), launch_(std::move(launch)), starts_(starts),
          program_(launch_(services_)) {
        ++starts_.launches;
    }
    platform::Form* form(std::string_view name) override { return program_->form(name); }
    bool restart() override {
        ++starts_.restarts;
        program_ = launch_(services_);
        return true;
    }

  private:
    platform::Services services_;
    Launcher launch_;
    Starts& starts_;
    std::unique_ptr<Program> program_;
};

TEST(CalculateSession, RestartsItsProgramAndLaunchesAfreshAfterARefusal) {
    std::vector<std::string> log;
    Starts starts;
    const Launcher screens = testing_support::testLauncher(log);
    CalculateSession session([&](platform::Services services) {
        return std::make_unique<CountingProgram>(services, screens, starts);
    });
    const auto request = [](const std::string& text) {
        return readCalculateRequest(Json::parse(text));
    };

    EXPECT_EQ(session.calculate(request(R"({"fields": {"txtDBSupplyOn": "abc"}})")).messages.size(),
              1u);
    EXPECT_TRUE(session.calculate(request("{}")).messages.empty()); // none carried over
    EXPECT_EQ(starts.launches, 1);
    EXPECT_EQ(starts.restarts, 1);

    EXPECT_THROW(session.calculate(request(R"({"fields": {"cmbCircuitTypeSupply": "2"}})")),
                 InputError);
    EXPECT_FALSE(session.calculate(request("{}")).aborted);
    EXPECT_EQ(starts.launches, 2);
    EXPECT_EQ(starts.restarts, 2);
}

} // namespace
} // namespace rac::cli
