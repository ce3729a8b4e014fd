#include "selection/plain_json.h"

namespace rac::selection {

namespace {

class PlainReader {
  public:
    explicit PlainReader(std::string_view text) : text_(text) {}

    std::optional<Json> document() {
        auto object = objectOf(0);
        skipBlanks();
        if (at_ != text_.size()) {
            return std::nullopt;
        }
        return object;
    }

  private:
    // A request holds its fields and its costing, and the costing its own fields: objects nest
    // two deep below the request, and the deepest hold texts only.
    static constexpr int kDeepest = 2;

    std::optional<Json> objectOf(int depth) {
        skipBlanks();
        if (!take('{')) {
            return std::nullopt;
        }
        Json object = Json::object();
        skipBlanks();
        if (take('}')) {
            return object;
        }
        do {
            skipBlanks();
            const auto key = text();
            skipBlanks();
            if (!key || !take(':')) {
                return std::nullopt;
            }
            skipBlanks();
            auto value = depth < kDeepest && next('{') ? objectOf(depth + 1) : textValue();
            if (!value) {
                return std::nullopt;
            }
            object[std::string(*key)] = std::move(*value);
            skipBlanks();
        } while (take(','));
        if (!take('}')) {
            return std::nullopt;
        }
        return object;
    }

    std::optional<Json> textValue() {
        const auto value = text();
        if (!value) {
            return std::nullopt;
        }
        return Json(std::string(*value));
    }

    // A plain text in quotes; an escape, a control character or a byte beyond ASCII ends it
    // before its closing quote, and so gives nothing.
    std::optional<std::string_view> text() {
        if (!take('"')) {
            return std::nullopt;
        }
        const std::size_t start = at_;
        while (at_ < text_.size() && plain(text_[at_])) {
            ++at_;
        }
        const std::size_t end = at_;
        if (!take('"')) {
            return std::nullopt;
        }
        return text_.substr(start, end - start);
    }

    static bool plain(char c) { return c >= ' ' && c <= '~' && c != '"' && c != '\\'; }

    bool next(char c) const { return at_ < text_.size() && text_[at_] == c; }

    bool take(char c) {
        if (!next(c)) {
            return false;
        }
        ++at_;
        return true;
    }

    // The blanks of JSON: space, tab, line feed and carriage return.
    void skipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\n' || text_[at_] == '\r')) {
            ++at_;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

} // namespace

std::optional<Json> parsePlainObject(std::string_view text) {
    return PlainReader(text).document();
}

} // namespace rac::selection
