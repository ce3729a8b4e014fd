#include "foundation/rtf_reader.h"

#include "foundation/utf8.h"

#include <array>
#include <cctype>
#include <vector>

namespace rac {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char32_t, 32> windows1252{
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

char32_t fromWindows1252(unsigned byte) {
    return byte >= 0x80 && byte < 0xA0 ? windows1252[byte - 0x80] : static_cast<char32_t>(byte);
}

bool skippedDestination(std::string_view word) {
    static constexpr std::array<std::string_view, 12> words{
        "fonttbl", "colortbl", "stylesheet", "info",      "pict",      "listtable",
        "header",  "footer",   "generator",  "themedata", "xmlnsdecl", "listoverridetable"};
    for (const auto skipped : words) {
        if (word == skipped) {
            return true;
        }
    }
    return false;
}

bool isHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool isLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

class Reader {
  public:
    explicit Reader(std::string_view rtf) : rtf_(rtf) {}

    std::string run() {
        while (at_ < rtf_.size()) {
            const char c = rtf_[at_++];
            if (c == '{') {
                groups_.push_back(groups_.empty() ? Group{} : groups_.back());
                groups_.back().fresh = true;
            } else if (c == '}') {
                if (!groups_.empty()) {
                    groups_.pop_back();
                }
            } else if (c == '\\') {
                control();
            } else if (c != '\r' && c != '\n') {
                put(static_cast<unsigned char>(c));
            }
        }
        endSurrogatePair();
        return text_;
    }

  private:
    struct Group {
        bool skipped = false;
        bool fresh = false; // no control word read in the group yet
        int unicodeSkip = 1;
    };

    bool skipping() const { return !groups_.empty() && groups_.back().skipped; }

    void put(char32_t character) {
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return;
        }
        if (skipping()) {
            return;
        }
        // Characters beyond U+FFFF come as two \u words, a high then a low surrogate.
        if (isLowSurrogate(character) && highSurrogate_ != 0) {
            character = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (character - 0xDC00);
            highSurrogate_ = 0;
        }
        endSurrogatePair();
        if (isHighSurrogate(character)) {
            highSurrogate_ = character;
            return;
        }
        text_ += utf8::encode(isLowSurrogate(character) ? utf8::replacementCharacter : character);
    }

    // A high surrogate that no low one follows stands for a character that was lost.
    void endSurrogatePair() {
        if (highSurrogate_ != 0) {
            text_ += utf8::encode(utf8::replacementCharacter);
            highSurrogate_ = 0;
        }
    }

    void control() {
        if (at_ >= rtf_.size()) {
            return;
        }
        const char c = rtf_[at_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++at_;
            symbol(c);
            return;
        }
        const std::size_t start = at_;
        while (at_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[at_]))) {
            ++at_;
        }
        const std::string_view word = rtf_.substr(start, at_ - start);
        bool hasNumber = false;
        long number = 0;
        const bool negative = at_ < rtf_.size() && rtf_[at_] == '-';
        if (negative) {
            ++at_;
        }
        while (at_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[at_]))) {
            hasNumber = true;
            number = number * 10 + (rtf_[at_++] - '0');
            number = number > 1'000'000 ? 1'000'000 : number;
        }
        number = negative ? -number : number;
        if (at_ < rtf_.size() && rtf_[at_] == ' ') {
            ++at_; // the delimiter belongs to the control word
        }
        controlWord(word, hasNumber, number);
    }

    void controlWord(std::string_view word, bool hasNumber, long number) {
        const bool first = !groups_.empty() && groups_.back().fresh;
        if (!groups_.empty()) {
            groups_.back().fresh = false;
        }
        if (first && skippedDestination(word)) {
            groups_.back().skipped = true;
        } else if (word == "par" || word == "line") {
            put(U'\n');
        } else if (word == "tab") {
            put(U'\t');
        } else if (word == "uc" && hasNumber && !groups_.empty()) {
            groups_.back().unicodeSkip = static_cast<int>(number);
        } else if (word == "u" && hasNumber) {
            put(static_cast<char32_t>(number < 0 ? number + 65536 : number));
            pendingSkip_ = groups_.empty() ? 1 : groups_.back().unicodeSkip;
        }
    }

    void symbol(char c) {
        if (c == '*' && !groups_.empty()) {
            groups_.back().skipped = true; // an optional destination this reader does not know
        } else if (c == '\'') {
            const int high = at_ < rtf_.size() ? hexDigit(rtf_[at_]) : -1;
            const int low = at_ + 1 < rtf_.size() ? hexDigit(rtf_[at_ + 1]) : -1;
            if (high >= 0 && low >= 0) {
                at_ += 2;
                put(fromWindows1252(static_cast<unsigned>(high * 16 + low)));
            }
        } else if (c == '~') {
            put(U'\u00A0');
        } else if (c == '_') {
            put(U'-');
        } else if (c == '\\' || c == '{' || c == '}') {
            put(static_cast<unsigned char>(c));
        } else if (c == '\n' || c == '\r') {
            put(U'\n'); // a backslash before a line end is a paragraph mark
        }
    }

    std::string_view rtf_;
    std::size_t at_ = 0;
    std::vector<Group> groups_;
    int pendingSkip_ = 0;
    char32_t highSurrogate_ = 0; // waiting for its low surrogate
    std::string text_;
};

} // namespace

std::string plainTextOfRtf(std::string_view rtf) {
    return Reader(rtf).run();
}

} // namespace rac
