#include "cli/line_reader.h"

namespace rac::cli {

std::optional<Line> LineReader::next() {
    using Traits = std::istream::traits_type;
    std::streambuf* buffer = in_.rdbuf();
    if (buffer == nullptr || Traits::eq_int_type(buffer->sgetc(), Traits::eof())) {
        return std::nullopt;
    }
    Line line{{}, ++number_, false};
    for (auto c = buffer->sbumpc(); !Traits::eq_int_type(c, Traits::eof()); c = buffer->sbumpc()) {
        if (c == '\n') {
            break;
        }
        if (line.text.size() < maxLength_) {
            line.text.push_back(Traits::to_char_type(c));
        } else {
            line.tooLong = true;
        }
    }
    if (line.tooLong) {
        line.text.clear();
    } else if (!line.text.empty() && line.text.back() == '\r') {
        line.text.pop_back();
    }
    return line;
}

} // namespace rac::cli
