// Throughput and memory of `rac-cli calculate` on the real program: N varied requests (both modes,
// the three targets, both tube sizes, every fin type and fin density mode, both glycols, every
// circuit mode) are generated while the command reads them and its answers are counted as it
// writes them, so neither the input nor the output is held. Run it once per N: the peak resident
// size of the process is what stays flat as N grows. With "costing", every request also prices
// its pair (country, casings, drain pans, depths, options, braze, flanges, and the password with
// a gross margin on every fourth).
//   bench_cli_calculate [N] [costing]   (default 10000)
#include "cli/application_program.h"
#include "cli/calculate_command.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <streambuf>
#include <string>
#include <string_view>
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
const std::array<const char*, 13> countries{
    "United Kingdom", "Bahrain", "Denmark",  "European", "Hong Kong",    "India", "Korea",
    "Kuwait",         "Oman",    "Pakistan", "Qatar",    "Saudi Arabia", "U.A.E."};
// The styles every coil is offered (Economy only suits some).
const std::array<const char*, 7> casingStyles{"Standard",
                                              "Unitary:No baffle",
                                              "Unitary:Baffle both faces",
                                              "Unitary:Baffle one face",
                                              "Enclosed",
                                              "Coverbox",
                                              "Endplates"};
const std::array<const char*, 13> sheetMaterials{
    "16g galv",          "14g galv",          "3mm galv",          "18g 304 stainless",
    "18g 316 stainless", "16g 304 stainless", "16g 316 stainless", "16g mild steel",
    "14g mild steel",    "3mm mild steel",    "16g brass",         "16g copper",
    "16g aluminium"};
const std::array<const char*, 3> brazes{"Phos 0", "Phos 5", "35  Silver"};

// Writes one request line into a buffer kept from request to request, so that making the input
// costs little beside answering it.
class RequestWriter {
  public:
    RequestWriter(std::string& line, bool costing) : line_(line), costing_(costing) {
        line_.clear();
    }

    void write(long i) {
        const bool rating = i % 4 == 3;
        const long target = i / 4 % 3;
        line_ += rating        ? R"({"mode": "Rating", )"
                 : target == 0 ? R"({"target": "Air Off DB", )"
                 : target == 1 ? R"({"target": "Effectiveness", )"
                               : R"({"target": "Duty", )";
        line_ += "\"fields\": {";
        coil(i, "Supply", rating);
        coil(i, "Extract", rating);
        const long supplyOn = -5 + i % 11;
        field("txtDBSupplyOn", "", number(supplyOn));
        field("txtDBExtractOn", "", number(20 + i % 6));
        if (!rating) {
            if (target == 0) {
                field("txtDBSupplyOff", "", number(supplyOn + 8 + i % 5));
            } else if (target == 1) {
                field("txtEffectiveness", "", number(40 + i % 31));
            } else {
                field("txtDuty", "", number(10 + i % 31));
            }
        }
        field("txtAirVolSupply", "", std::to_string(1.5 + 0.25 * static_cast<double>(i % 9)));
        field("txtAirVolExtract", "", std::to_string(1.5 + 0.25 * static_cast<double>(i % 7)));
        field("cmbGlycolSelect", "", i % 2 == 0 ? "EGS" : "PGS");
        field("txtGlycol", "", number(10 * (i % 5)));
        if (!rating) { // Rating hides the maximum fluid pressure drops
            field("txtFluidMaxPDSupply", "", number(30 + i % 41));
        }
        line_.resize(line_.size() - 2); // the last ", "
        line_ += '}';
        if (costing_) {
            costing(i);
        }
        line_ += "}\n";
    }

  private:
    // A whole number as text, without a string of its own.
    std::string_view number(long value) {
        const auto end = std::to_chars(digits_.data(), digits_.data() + digits_.size(), value).ptr;
        return {digits_.data(), static_cast<std::size_t>(end - digits_.data())};
    }

    void field(std::string_view name, std::string_view side, std::string_view text) {
        line_ += '"';
        line_ += name;
        line_ += side;
        line_ += "\": \"";
        line_ += text;
        line_ += "\", ";
    }

    // The options of one coil, varied by the request number and the side.
    void coil(long i, std::string_view side, bool rating) {
        const bool large = (i + (side == "Extract" ? 1 : 0)) % 2 == 1;
        field("cmbTubeDiameter", side, large ? "16mm" : "12mm");
        const std::string_view finType = large ? finTypes16[static_cast<std::size_t>(i / 2 % 5)]
                                               : finTypes12[static_cast<std::size_t>(i / 2 % 11)];
        const bool vinyl = finType.find("vinyl") != std::string_view::npos;
        const long finMode = rating ? 1 : i / 3 % 3; // Rating has "Fixed" only, and locks it
        if (!rating) {
            field("cmbFinDensitySelect", side,
                  finMode == 0   ? "Optimise"
                  : finMode == 1 ? "Fixed"
                                 : "Maximum");
        }
        field("cmbFinMatType", side, finType);
        if (finMode != 0) {
            field("cmbFinDensity", side, number((vinyl ? 8 : 6) + i % 7));
        }
        const long circuitMode = rating ? 1 + i / 5 % 2 : i / 5 % 3;
        if (circuitMode == 1) {
            field("cmbCircuitTypeSelect", side, "Fixed");
            field("cmbCircuitType", side, circuitTypes[static_cast<std::size_t>(i % 7)]);
        } else if (circuitMode == 2) {
            field("cmbCircuitTypeSelect", side, "Number");
            field("cmbCircuitType", side, number(1 + i % 6));
        }
        field("txtTubesHigh", side, number(20 + i % 17));
        field("txtFinnedLength", side, number(800 + 50 * (i % 9)));
        if (rating) {
            field("txtNumberRows", side, number(4 + i % 9));
        }
    }

    // A costing of the pair, varied by the request number: every entry is one the screen offers
    // whatever the pair.
    void costing(long i) {
        line_ += R"(, "costing": {)";
        const bool access = i % 4 == 0;
        if (access) {
            line_ += R"("password": "TORVIX205917", )";
        }
        line_ += "\"fields\": {";
        field("cmbCountry", "", countries[static_cast<std::size_t>(i % 13)]);
        for (const std::string_view side : {"Supply", "Extract"}) {
            const long k = i + (side == "Extract" ? 5 : 0);
            field("cmbCasingStyle", side, casingStyles[static_cast<std::size_t>(k % 7)]);
            field("cmbCasingMaterial", side, sheetMaterials[static_cast<std::size_t>(k % 13)]);
            if (k % 3 == 0) {
                field("cmbDrainpan", side, "Sloping");
            }
            if (k % 5 == 0) {
                field("cmbCasingDepthSelect", side, "Non-Standard");
                field("txtCasingDepth", side, number(200 + k % 300));
            }
            field("chkEliminators", side, k % 2 == 0 ? "1" : "0");
            field("chkStiffeners", side, k % 3 == 1 ? "1" : "0");
            field("chkNutserts", side, k % 4 == 1 ? "1" : "0");
            field("chkTestPoints", side, k % 2 == 1 ? "1" : "0");
            field("chkBlygold", side, k % 6 == 2 ? "1" : "0");
            field("cmbBrazeMat", side, brazes[static_cast<std::size_t>(k % 3)]);
            if (k % 4 == 3) {
                field("chkConnectionFlanges", side, "1");
                field("optScrewed", side, "1");
            }
        }
        field("txtEnergyCost", "", i % 13 == 0 ? "0.03" : "0.2");
        field("txtAnnualRunHours", "", number(1000 + 100 * (i % 70)));
        if (access) {
            field("chkGrossMargin", "", "1");
            field("txtGrossMargin", "", number(40 + i % 30));
        }
        line_.resize(line_.size() - 2); // the last ", "
        line_ += "}}";
    }

    std::string& line_;
    bool costing_;
    std::array<char, 24> digits_{};
};

// Hands out the requests one line at a time, as a pipe would.
class RequestSource : public std::streambuf {
  public:
    RequestSource(long count, bool costing) : count_(count), costing_(costing) {}

  protected:
    int_type underflow() override {
        if (next_ == count_) {
            return traits_type::eof();
        }
        RequestWriter(line_, costing_).write(next_++);
        setg(line_.data(), line_.data(), line_.data() + line_.size());
        return traits_type::to_int_type(line_.front());
    }

  private:
    long count_;
    bool costing_;
    long next_ = 0;
    std::string line_;
};

// Counts the answers by kind as they are written, a block at a time, as a pipe takes them.
class AnswerCounter : public std::streambuf {
  public:
    long answers = 0;
    long aborted = 0;
    long errors = 0;
    long costingsAborted = 0;
    long costingsNull = 0;

  protected:
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        take(std::string_view(text, static_cast<std::size_t>(count)));
        return count;
    }
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            const char written = traits_type::to_char_type(c);
            take(std::string_view(&written, 1));
        }
        return traits_type::not_eof(c);
    }

  private:
    void take(std::string_view text) {
        while (!text.empty()) {
            const std::size_t end = std::min(text.find('\n'), text.size());
            // The costing's answer is in the middle of the line; a block of the answer may cut
            // these words in two, which only makes the count a little short.
            const std::string_view piece = text.substr(0, end);
            costingAborted_ = costingAborted_ ||
                              piece.find(R"("costing":{"aborted":true)") != std::string_view::npos;
            costingNull_ =
                costingNull_ || piece.find(R"("costing":null)") != std::string_view::npos;
            const std::size_t kept =
                std::min(end, start_.size() - std::min(column_, start_.size()));
            text.copy(start_.data() + std::min(column_, start_.size()), kept);
            column_ += end;
            if (end == text.size()) {
                return;
            }
            const std::string_view start(start_.data(), std::min(column_, start_.size()));
            ++answers;
            aborted += start.starts_with("{\"aborted\":true") ? 1 : 0;
            errors += start.starts_with("{\"error\"") ? 1 : 0;
            costingsAborted += costingAborted_ ? 1 : 0;
            costingsNull += costingNull_ ? 1 : 0;
            costingAborted_ = false;
            costingNull_ = false;
            column_ = 0;
            text.remove_prefix(end + 1);
        }
    }

    std::array<char, 16> start_{};
    std::size_t column_ = 0;
    bool costingAborted_ = false;
    bool costingNull_ = false;
};

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A fresh program started and discarded: what a batch pays once, where each request then brings
// the program back to its start-up state.
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
    const bool costing = argc > 2 && std::string_view(argv[2]) == "costing";
    RequestSource source(count, costing);
    AnswerCounter counter;
    std::istream in(&source);
    std::ostream out(&counter);
    const auto start = std::chrono::steady_clock::now();
    const int status = rac::cli::runCalculate(in, out, std::cerr, rac::cli::launchApplication);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("requests %ld: answered %ld (%ld aborted, %ld errors), status %d\n", count,
                counter.answers, counter.aborted, counter.errors, status);
    if (costing) {
        std::printf("costings: %ld priced, %ld stopped, %ld not run (the calculation stopped)\n",
                    counter.answers - counter.errors - counter.costingsAborted -
                        counter.costingsNull,
                    counter.costingsAborted, counter.costingsNull);
    }
    std::printf("%.0f requests per second, %.1f us each; peak resident size %ld KiB\n",
                static_cast<double>(count) / elapsed.count(),
                1e6 * elapsed.count() / static_cast<double>(count), peakResidentKiB());
    std::printf("a fresh program started and ended, once per batch: %.1f us\n",
                startupMicroseconds());
    return status;
}
