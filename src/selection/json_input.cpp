#include "selection/json_input.h"

#include "foundation/utf8.h"
#include "selection/plain_json.h"

#include <algorithm>

namespace rac::selection {

namespace {

constexpr std::string_view replacement = "\xEF\xBF\xBD"; // U+FFFD

class TooDeep : public std::exception {};

// nlohmann's text is "[json.exception.parse_error.101] parse error at line 1, column 6: syntax
// error ..."; the caller reports the line itself.
std::string problemOf(const Json::exception& error) {
    std::string_view what = error.what();
    if (const auto tag = what.find("] "); tag != std::string_view::npos) {
        what.remove_prefix(tag + 2);
    }
    if (what.starts_with("parse error")) {
        if (const auto colon = what.find(": "); colon != std::string_view::npos) {
            what.remove_prefix(colon + 2);
        }
    }
    return printable(what);
}

long lineAt(std::string_view text, std::size_t byte) {
    const std::size_t end = std::min(byte == 0 ? 0 : byte - 1, text.size());
    return 1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(end), '\n');
}

// The length of the well-formed UTF-8 character at the start of the text, or 0.
std::size_t characterLength(std::string_view text) {
    for (std::size_t length = 1; length <= std::min<std::size_t>(4, text.size()); ++length) {
        const auto decoded = utf8::decode(text.substr(0, length));
        if (decoded && decoded->size() == 1) {
            return length;
        }
    }
    return 0;
}

// Valid UTF-8 without control characters, quotes or backslashes is written as it is: the common
// case, quoted without building a JSON value. Plain ASCII is told apart first, without decoding.
bool standsForItself(std::string_view text) {
    const auto plain = [](char32_t c) { return c >= U' ' && c != U'"' && c != U'\\' && c != 0x7F; };
    bool ascii = true;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            ascii = false;
        } else if (!plain(byte)) {
            return false;
        }
    }
    if (ascii) {
        return true;
    }
    const auto characters = utf8::decode(text);
    return characters && std::all_of(characters->begin(), characters->end(), plain);
}

std::string keyList(const std::vector<std::string_view>& keys) {
    std::string list;
    for (const std::string_view key : keys) {
        list += (list.empty() ? "" : ", ") + inQuotes(key);
    }
    return list;
}

} // namespace

Json parseJson(std::string_view text) {
    const auto limitDepth = [](int depth, Json::parse_event_t, Json&) {
        if (depth > maxJsonDepth) {
            throw TooDeep();
        }
        return true;
    };
    if (auto plain = parsePlainObject(text)) {
        return std::move(*plain);
    }
    try {
        // Watching the depth slows the parser down: only a text that may go too deep is watched.
        if (nestingOf(text).deepest <= maxJsonDepth) {
            return Json::parse(text);
        }
        return Json::parse(text, limitDepth);
    } catch (const TooDeep&) {
        throw JsonSyntaxError(
            "malformed JSON: nested more than " + std::to_string(maxJsonDepth) + " levels deep", 1);
    } catch (const Json::parse_error& error) {
        throw JsonSyntaxError("malformed JSON: " + problemOf(error), lineAt(text, error.byte));
    } catch (const Json::exception& error) { // a number beyond the range of a double
        throw JsonSyntaxError("malformed JSON: " + problemOf(error), 1);
    }
}

Nesting nestingOf(std::string_view text) {
    Nesting nesting;
    bool escaped = false;
    for (const char c : text) {
        if (nesting.inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                nesting.inString = false;
            }
        } else if (c == '"') {
            nesting.inString = true;
        } else if (c == '{' || c == '[') {
            nesting.deepest = std::max(nesting.deepest, ++nesting.last);
        } else if (c == '}' || c == ']') {
            nesting.lowest = std::min(nesting.lowest, --nesting.last);
        }
    }
    return nesting;
}

std::string printable(std::string_view text, std::size_t limit) {
    std::string shown;
    std::size_t at = 0;
    while (at < text.size() && at < limit) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte >= 0x20 && byte < 0x7F) { // nearly every character of a message: no decoding
            shown += text[at];
            ++at;
            continue;
        }
        // An ASCII control character, or the first byte of a longer UTF-8 character.
        const std::size_t length = byte < 0x80 ? 0 : characterLength(text.substr(at));
        if (length == 0) {
            shown += replacement;
            ++at;
        } else {
            shown += text.substr(at, length);
            at += length;
        }
    }
    if (at < text.size()) {
        shown += "...";
    }
    return shown;
}

void appendQuoted(std::string& out, std::string_view text) {
    if (!standsForItself(text)) {
        out += jsonText(OrderedJson(std::string(text)));
        return;
    }
    out += '"';
    out += text;
    out += '"';
}

std::string inQuotes(std::string_view text) {
    std::string quoted;
    appendQuoted(quoted, text);
    return quoted;
}

std::string jsonText(const OrderedJson& value, int indent) {
    return value.dump(indent, ' ', false, OrderedJson::error_handler_t::replace);
}

std::string kindOf(const Json& value) {
    switch (value.type()) {
    case Json::value_t::object:
        return "an object";
    case Json::value_t::array:
        return "an array";
    case Json::value_t::string:
        return "a text";
    case Json::value_t::boolean:
        return "true or false";
    case Json::value_t::null:
        return "null";
    default:
        return "a number";
    }
}

const std::string& requireText(const Json& value, std::string_view what) {
    if (!value.is_string()) {
        throw InputError(std::string(what) + " must be a text in quotes, not " + kindOf(value));
    }
    return value.get_ref<const std::string&>();
}

ObjectReader::ObjectReader(const Json& value, std::string owner)
    : object_(value), owner_(std::move(owner)) {
    if (!value.is_object()) {
        throw InputError(owner_ + " must be a JSON object, not " + kindOf(value));
    }
}

void ObjectReader::allowOnly(const std::vector<std::string_view>& keys) const {
    for (const auto& [key, value] : object_.items()) {
        if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
            throw InputError("unknown key " + inQuotes(key) + " in " + owner_ + " (it takes " +
                             keyList(keys) + ")");
        }
    }
}

bool ObjectReader::has(std::string_view key) const {
    return object_.contains(key);
}

const Json& ObjectReader::at(std::string_view key) const {
    const auto found = object_.find(key);
    if (found == object_.end()) {
        throw InputError(owner_ + " has no " + inQuotes(key));
    }
    return *found;
}

std::string ObjectReader::text(std::string_view key) const {
    return requireText(at(key), inQuotes(key));
}

std::optional<std::string> ObjectReader::optionalText(std::string_view key) const {
    if (!has(key)) {
        return std::nullopt;
    }
    return text(key);
}

int ObjectReader::wholeNumber(std::string_view key, int minimum, int maximum) const {
    const Json& value = at(key);
    const std::string expected = inQuotes(key) + " must be a whole number from " +
                                 std::to_string(minimum) + " to " + std::to_string(maximum);
    if (!value.is_number_integer()) {
        throw InputError(expected + ", not " + (value.is_number() ? value.dump() : kindOf(value)));
    }
    const bool inRange = value.is_number_unsigned()
                             ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(maximum)
                             : value.get<std::int64_t>() <= maximum;
    if (!inRange || value.get<std::int64_t>() < minimum) {
        throw InputError(expected + ", not " + value.dump());
    }
    return value.get<int>();
}

} // namespace rac::selection
