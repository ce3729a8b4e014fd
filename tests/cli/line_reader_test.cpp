#include "cli/line_reader.h"

#include <gtest/gtest.h>
#include <sstream>
#include <streambuf>

namespace rac::cli {
namespace {

// Hands its text out a few characters at a time, as a pipe that is being written does.
class Trickle : public std::streambuf {
  public:
    Trickle(std::string text, std::size_t piece) : text_(std::move(text)), piece_(piece) {}

  protected:
    int_type underflow() override {
        if (at_ == text_.size()) {
            return traits_type::eof();
        }
        const std::size_t length = std::min(piece_, text_.size() - at_);
        setg(text_.data() + at_, text_.data() + at_, text_.data() + at_ + length);
        at_ += length;
        return traits_type::to_int_type(*gptr());
    }

  private:
    std::string text_;
    std::size_t piece_;
    std::size_t at_ = 0;
};

std::vector<std::string> linesOf(std::istream& in, std::size_t limit) {
    std::vector<std::string> lines;
    LineReader reader(in, limit);
    while (const auto line = reader.next()) {
        lines.push_back(line->tooLong ? "(too long)" : line->text);
    }
    return lines;
}

TEST(LineReader, LinesOfAnyLengthUpToTheLimit) {
    const std::string longLine(1500, 'x');
    std::istringstream in(longLine + "\r\n" + std::string(2001, 'y') + "\nlast");
    LineReader lines(in, 2000);
    const auto first = lines.next();
    const auto tooLong = lines.next();
    const auto last = lines.next();
    ASSERT_TRUE(first && tooLong && last);
    EXPECT_EQ(first->text, longLine);
    EXPECT_TRUE(tooLong->tooLong);
    EXPECT_EQ(tooLong->text, "");
    EXPECT_EQ(last->text, "last");
    EXPECT_EQ(last->number, 3);
    EXPECT_FALSE(lines.next());
}

TEST(LineReader, LinesAreTheSameHoweverTheStreamDeliversThem) {
    const std::string text = "first\r\n\n" + std::string(10, 'z') + "\nexactly10!\n" +
                             std::string(11, 'w') + "\r\nend\r";
    const std::vector<std::string> expected{"first",      "",           std::string(10, 'z'),
                                            "exactly10!", "(too long)", "end"};
    for (const std::size_t piece : {1u, 2u, 3u, 7u, 64u}) {
        Trickle source(text, piece);
        std::istream in(&source);
        EXPECT_EQ(linesOf(in, 10), expected) << "pieces of " << piece;
    }
}

} // namespace
} // namespace rac::cli
