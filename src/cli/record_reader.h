#pragma once

#include "cli/line_reader.h"

#include <cstddef>
#include <deque>
#include <istream>
#include <optional>
#include <string>

namespace rac::cli {

// The longest request taken, in bytes; a longer one is an error of its own.
inline constexpr std::size_t maxRequestBytes = std::size_t{1} << 20;

// One request of the input: its JSON text, or why it cannot be had.
struct Record {
    long line = 0;     // where it starts
    std::string text;  // may span lines when error is empty
    std::string error; // "the line is longer than ..."
};

// The requests of a calculate input: JSON Lines (one request per line, blank lines skipped) or a
// single JSON object spread over several lines, as a request file written by hand usually is.
// The input is one object when its first line leaves an object open and the next line is not a
// whole request of its own (which tells a damaged first line of a batch apart). Only one object
// is held in memory at a time.
class RecordReader {
  public:
    explicit RecordReader(std::istream& in) : lines_(in, maxRequestBytes) {}
    std::optional<Record> next();

  private:
    std::optional<Line> nextLine();
    std::optional<Line> nextRequestLine(); // skips blank lines
    Record gatherObject(const Line& first, const Line& second);

    LineReader lines_;
    std::deque<Line> held_; // read ahead while telling the two forms apart
    bool formKnown_ = false;
};

} // namespace rac::cli
