#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Reading the JSON that users write: every fault becomes an InputError that says what is wrong in
// the user's terms; whoever reads the input adds where ("line 3: ", "step 2: ").
namespace rac::selection {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

class InputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Malformed JSON, with the line of the text (from 1) where the parser found the fault; 1 for
// nesting too deep and numbers too large, which the parser does not place.
class JsonSyntaxError : public InputError {
  public:
    JsonSyntaxError(const std::string& problem, long line) : InputError(problem), line_(line) {}
    long line() const { return line_; }

  private:
    long line_;
};

// Requests and scripts are a few levels deep; anything much deeper is refused before it is built.
inline constexpr int maxJsonDepth = 64;

// One JSON text (surrounding blanks allowed). Throws JsonSyntaxError.
Json parseJson(std::string_view text);

// How objects and arrays nest along a JSON text, strings left out. A parser reaches no depth that
// this count misses: it gets there only through a well-formed beginning, whose strings are where
// the count finds them.
struct Nesting {
    long deepest = 0;      // the most objects and arrays open at once
    long lowest = 0;       // below 0 when more are closed than opened
    long last = 0;         // open at the end
    bool inString = false; // the text ends inside a string
};
Nesting nestingOf(std::string_view text);

// The text as a JSON string literal: quotes added, control characters escaped, bytes that are not
// UTF-8 replaced. Used for every user-supplied name quoted in a message.
std::string inQuotes(std::string_view text);

// The text made fit for a one-line message: bytes that are not UTF-8 and control characters become
// U+FFFD, and a text longer than `limit` bytes is cut there with "...".
std::string printable(std::string_view text, std::size_t limit = 1000);

// The output as one JSON text; bytes that are not UTF-8 are replaced rather than refused.
std::string jsonText(const OrderedJson& value, int indent = -1);

// inQuotes appended to out. A batch writes its answers so, one for each request: most texts are
// plain and are copied as they are.
void appendQuoted(std::string& out, std::string_view text);

// The members of a JSON object of the input, checked as they are read. `owner` names the object in
// messages ("the request", "a pick action").
class ObjectReader {
  public:
    // Throws unless the value is an object.
    ObjectReader(const Json& value, std::string owner);

    // Throws for a key that is not one of these.
    void allowOnly(const std::vector<std::string_view>& keys) const;
    bool has(std::string_view key) const;
    const Json& at(std::string_view key) const; // throws when missing

    std::string text(std::string_view key) const; // a required string
    std::optional<std::string> optionalText(std::string_view key) const;
    // A required whole number within the bounds.
    int wholeNumber(std::string_view key, int minimum, int maximum) const;

  private:
    const Json& object_;
    std::string owner_;
};

// "a string", "an object", ... for "must be ..., not ..." messages.
std::string kindOf(const Json& value);
// Throws unless the value is a string; `what` names it in the message.
const std::string& requireText(const Json& value, std::string_view what);

} // namespace rac::selection
