#include "cli/line_reader.h"

#include <algorithm>

namespace rac::cli {

namespace {

using Traits = std::istream::traits_type;

// The most taken from the stream at a time.
constexpr std::streamsize kChunk = 1 << 16;

} // namespace

bool LineReader::fill() {
    std::streambuf* buffer = in_.rdbuf();
    if (buffer == nullptr) {
        return false;
    }
    held_.clear();
    taken_ = 0;
    // What the stream holds already comes in one piece; a stream that holds nothing yet gives a
    // character when it has one, as a pipe does, so that a line is answered as soon as it is
    // whole.
    const std::streamsize held = buffer->in_avail();
    if (held > 0) {
        held_.resize(static_cast<std::size_t>(std::min(held, kChunk)));
        held_.resize(static_cast<std::size_t>(
            buffer->sgetn(held_.data(), static_cast<std::streamsize>(held_.size()))));
        return !held_.empty();
    }
    const auto c = buffer->sbumpc();
    if (Traits::eq_int_type(c, Traits::eof())) {
        return false;
    }
    held_.push_back(Traits::to_char_type(c));
    return true;
}

std::optional<Line> LineReader::next() {
    if (taken_ == held_.size() && !fill()) {
        return std::nullopt;
    }
    Line line{{}, ++number_, false};
    for (;;) {
        const std::string_view rest = std::string_view(held_).substr(taken_);
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const std::size_t room = maxLength_ - std::min(maxLength_, line.text.size());
        line.tooLong = line.tooLong || end > room;
        if (!line.tooLong) {
            line.text += rest.substr(0, end);
        }
        taken_ += end;
        if (end < rest.size()) {
            ++taken_; // the line end
            break;
        }
        if (!fill()) {
            break;
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
