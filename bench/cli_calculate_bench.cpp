// Throughput and memory of `rac-cli calculate` on the real program: N varied requests (both modes,
// the three targets, both tube sizes, every fin type and fin density mode, both glycols, every
// circuit mode) are generated while the command reads them and its answers are counted as it
// writes them, so neither the input nor the output is held. Run it once per N: the peak resident
// size of the process is what stays flat as N grows.
//   bench_cli_calculate [N]   (default 10000)
#include "cli/application_program.h"
#include "cli/calculate_command.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <streambuf>
#include <string>
#include <sys/resource.h>

namespace {

const std::array<const char*, 11> finTypes12{"Aluminium 0.15 rippled",
                                             "Aluminium 0.25 rippled",
                                             "Aluminium 0.4 rippled",
                                             "Aluminium vinyl coated 0.15 rippled",
                                             "Aluminium 0.15 louvre",
                                             "Aluminium 0.25 louvre",
                                             "Aluminium vinyl coated 0.15 louvre",
                                             "Copper 0.15 rippled",
                                             "Copper 0.25 rippled",
                                             "Copper 0.15 louvre",
                                             "Copper 0.25 louvre"};
const std::array<const char*, 5> finTypes16{"Aluminium 0.15 rippled", "Aluminium 0.25 rippled",
                                            "Aluminium vinyl coated 0.15 rippled",
                                            "Copper 0.15 rippled", "Copper 0.25 rippled"};
const std::array<const char*, 7> circuitTypes{"1B", "2B", "H", "P", "F", "Q", "D"};

std::string field(const std::string& name, const std::string& text) {
    return "\"" + name + "\": \"" + text + "\", ";
}

// The options of one coil, varied by the request number and the side.
std::string coilFields(long i, const std::string& side, bool rating) {
    const bool large = (i + (side == "Extract" ? 1 : 0)) % 2 == 1;
    std::string fields = field("cmbTubeDiameter" + side, large ? "16mm" : "12mm");
    const std::string finType = large ? finTypes16[static_cast<std::size_t>(i / 2 % 5)]
                                      : finTypes12[static_cast<std::size_t>(i / 2 % 11)];
    const bool vinyl = finType.find("vinyl") != std::string::npos;
    const long finMode = rating ? 1 : i / 3 % 3; // Rating has "Fixed" only, and locks it
    if (!rating) {
        fields += field("cmbFinDensitySelect" + side, finMode == 0   ? "Optimise"
                                                      : finMode == 1 ? "Fixed"
                                                                     : "Maximum");
    }
    fields += field("cmbFinMatType" + side, finType);
    if (finMode != 0) {
        fields += field("cmbFinDensity" + side, std::to_string((vinyl ? 8 : 6) + i % 7));
    }
    const long circuitMode = rating ? 1 + i / 5 % 2 : i / 5 % 3;
    if (circuitMode == 1) {
        fields += field("cmbCircuitTypeSelect" + side, "Fixed") +
                  field("cmbCircuitType" + side, circuitTypes[static_cast<std::size_t>(i % 7)]);
    } else if (circuitMode == 2) {
        fields += field("cmbCircuitTypeSelect" + side, "Number") +
                  field("cmbCircuitType" + side, std::to_string(1 + i % 6));
    }
    fields += field("txtTubesHigh" + side, std::to_string(20 + i % 17));
    fields += field("txtFinnedLength" + side, std::to_string(800 + 50 * (i % 9)));
    if (rating) {
        fields += field("txtNumberRows" + side, std::to_string(4 + i % 9));
    }
    return fields;
}

std::string request(long i) {
    const bool rating = i % 4 == 3;
    const long target = i / 4 % 3;
    std::string line = rating        ? R"({"mode": "Rating", )"
                       : target == 0 ? R"({"target": "Air Off DB", )"
                       : target == 1 ? R"({"target": "Effectiveness", )"
                                     : R"({"target": "Duty", )";
    std::string fields = coilFields(i, "Supply", rating) + coilFields(i, "Extract", rating);
    const long supplyOn = -5 + i % 11;
    fields += field("txtDBSupplyOn", std::to_string(supplyOn));
    fields += field("txtDBExtractOn", std::to_string(20 + i % 6));
    if (!rating) {
        fields += target == 0   ? field("txtDBSupplyOff", std::to_string(supplyOn + 8 + i % 5))
                  : target == 1 ? field("txtEffectiveness", std::to_string(40 + i % 31))
                                : field("txtDuty", std::to_string(10 + i % 31));
    }
    fields += field("txtAirVolSupply", std::to_string(1.5 + 0.25 * static_cast<double>(i % 9)));
    fields += field("txtAirVolExtract", std::to_string(1.5 + 0.25 * static_cast<double>(i % 7)));
    fields += field("cmbGlycolSelect", i % 2 == 0 ? "EGS" : "PGS");
    fields += field("txtGlycol", std::to_string(10 * (i % 5)));
    if (!rating) { // Rating hides the maximum fluid pressure drops
        fields += field("txtFluidMaxPDSupply", std::to_string(30 + i % 41));
    }
    fields.resize(fields.size() - 2); // the last ", "
    return line + "\"fields\": {" + fields + "}}\n";
}

// Hands out the requests one line at a time, as a pipe would.
class RequestSource : public std::streambuf {
  public:
    explicit RequestSource(long count) : count_(count) {}

  protected:
    int_type underflow() override {
        if (next_ == count_) {
            return traits_type::eof();
        }
        line_ = request(next_++);
        setg(line_.data(), line_.data(), line_.data() + line_.size());
        return traits_type::to_int_type(line_.front());
    }

  private:
    long count_;
    long next_ = 0;
    std::string line_;
};

// Counts the answers by kind as they are written.
class AnswerCounter : public std::streambuf {
  public:
    long answers = 0;
    long aborted = 0;
    long errors = 0;

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) {
            return traits_type::not_eof(c);
        }
        if (column_ < start_.size()) {
            start_[column_] = traits_type::to_char_type(c);
        }
        ++column_;
        if (c == '\n') {
            const std::string_view start(start_.data(), start_.size());
            ++answers;
            aborted += start.starts_with("{\"aborted\":true") ? 1 : 0;
            errors += start.starts_with("{\"error\"") ? 1 : 0;
            column_ = 0;
        }
        return c;
    }

  private:
    std::array<char, 16> start_{};
    std::size_t column_ = 0;
};

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The part of every request that is not the request: a fresh program started and discarded.
double startupMicroseconds() {
    constexpr int launches = 1000;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < launches; ++i) {
        rac::platform::RecordingServices services;
        const auto program = rac::cli::launchApplication(services.services());
    }
    const std::chrono::duration<double, std::micro> elapsed =
        std::chrono::steady_clock::now() - start;
    return elapsed.count() / launches;
}

} // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::stol(argv[1]) : 10000;
    RequestSource source(count);
    AnswerCounter counter;
    std::istream in(&source);
    std::ostream out(&counter);
    const auto start = std::chrono::steady_clock::now();
    const int status = rac::cli::runCalculate(in, out, std::cerr, rac::cli::launchApplication);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("requests %ld: answered %ld (%ld aborted, %ld errors), status %d\n", count,
                counter.answers, counter.aborted, counter.errors, status);
    std::printf("%.0f requests per second, %.1f us each; peak resident size %ld KiB\n",
                static_cast<double>(count) / elapsed.count(),
                1e6 * elapsed.count() / static_cast<double>(count), peakResidentKiB());
    std::printf("of which starting and ending a fresh program: %.1f us\n", startupMicroseconds());
    return status;
}
