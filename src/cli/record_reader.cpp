#include "cli/record_reader.h"

#include "cli/selection_terms.h"

#include <algorithm>

namespace rac::cli {

namespace {

bool blank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
    });
}

// The line begins an object or array that it does not close (outside strings).
bool leavesValueOpen(std::string_view text) {
    const Nesting nesting = nestingOf(text);
    return nesting.lowest >= 0 && nesting.last > 0 && !nesting.inString;
}

bool wholeObject(const Line& line) {
    if (line.tooLong) {
        return false;
    }
    try {
        return parseJson(line.text).is_object();
    } catch (const InputError&) {
        return false;
    }
}

Record tooLong(long line, std::string_view what) {
    return {line,
            {},
            "the " + std::string(what) + " is longer than " + std::to_string(maxRequestBytes) +
                " bytes"};
}

} // namespace

std::optional<Line> RecordReader::nextLine() {
    if (!held_.empty()) {
        Line line = std::move(held_.front());
        held_.pop_front();
        return line;
    }
    return lines_.next();
}

std::optional<Line> RecordReader::nextRequestLine() {
    auto line = nextLine();
    while (line && !line->tooLong && blank(line->text)) {
        line = nextLine();
    }
    return line;
}

std::optional<Record> RecordReader::next() {
    auto line = nextRequestLine();
    if (!line) {
        return std::nullopt;
    }
    if (line->tooLong) {
        return tooLong(line->number, "line");
    }
    if (formKnown_ || !leavesValueOpen(line->text)) {
        formKnown_ = true;
        return Record{line->number, std::move(line->text), {}};
    }
    formKnown_ = true;
    auto second = lines_.next();
    while (second && !second->tooLong && blank(second->text)) {
        held_.push_back(*second);
        second = lines_.next();
    }
    if (!second || wholeObject(*second)) {
        if (second) {
            held_.push_back(*second);
        }
        return Record{line->number, line->text, {}};
    }
    return gatherObject(*line, *second);
}

Record RecordReader::gatherObject(const Line& first, const Line& second) {
    std::string text = first.text;
    bool overflow = false;
    const auto append = [&](const Line& line) {
        overflow = overflow || line.tooLong || text.size() + 1 + line.text.size() > maxRequestBytes;
        if (!overflow) {
            text += '\n';
            text += line.text;
        }
    };
    for (const Line& line : held_) {
        append(line);
    }
    held_.clear();
    append(second);
    while (const auto line = lines_.next()) {
        append(*line);
    }
    if (overflow) {
        return tooLong(first.number, "request");
    }
    return Record{first.number, std::move(text), {}};
}

} // namespace rac::cli
