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
// without being kept, so memory stays bounded whatever the input holds. The reader takes from the
// stream what it holds at once, so nothing else reads the stream after it.
class LineReader {
  public:
    LineReader(std::istream& in, std::size_t maxLength) : in_(in), maxLength_(maxLength) {}
    std::optional<Line> next();

  private:
    // Takes the next piece of the stream into held_; false at its end.
    bool fill();

    std::istream& in_;
    std::size_t maxLength_;
    long number_ = 0;
    std::string held_; // taken from the stream, not yet handed out from taken_ on
    std::size_t taken_ = 0;
};

} // namespace rac::cli
