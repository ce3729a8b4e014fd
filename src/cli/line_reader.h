#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>

namespace rac::cli {

struct Line {
    std::string text;     // without the line end (LF or CRLF)
    long number = 0;      // from 1
    bool tooLong = false; // longer than the limit: the text is dropped
};

// The lines of a stream, read one at a time. A line longer than the limit is skipped to its end
// without being kept, so memory stays bounded whatever the input holds.
class LineReader {
  public:
    LineReader(std::istream& in, std::size_t maxLength) : in_(in), maxLength_(maxLength) {}
    std::optional<Line> next();

  private:
    std::istream& in_;
    std::size_t maxLength_;
    long number_ = 0;
};

} // namespace rac::cli
