// A saved summary read by a reader that shares nothing with ours: Debian's unrtf, run as its own
// program, turns the file into HTML, and every line of the summary must be found in it.
#include "foundation/file_output.h"
#include "foundation/rtf_writer.h"
#include "foundation/utf8.h"
#include "summary_fixture.h"
#include "support/program_output.h"
#include "support/text_lines.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace rac::summary::testing_support {
namespace {

namespace fs = std::filesystem;

using test::outputOf;

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
        text.replace(at, from.size(), to);
    }
}

// unrtf writes the characters beyond ASCII as named entities or as &#N; of UTF-16 code units.
std::string decodeEntities(std::string html) {
    const std::pair<const char*, const char*> named[] = {
        {"&nbsp;", " "},   {"&deg;", "°"}, {"&sup3;", "³"}, {"&pound;", "£"}, {"&frac12;", "½"},
        {"&frac14;", "¼"}, {"&lt;", "<"},  {"&gt;", ">"},   {"&quot;", "\""}, {"&amp;", "&"}};
    for (const auto& [entity, character] : named) {
        replaceAll(html, entity, character);
    }
    std::string text;
    char32_t high = 0;
    for (std::size_t at = 0; at < html.size();) {
        const std::size_t end = html.find(';', at);
        if (html.compare(at, 2, "&#") != 0 || end == std::string::npos) {
            text += html[at++];
            continue;
        }
        const auto unit = static_cast<char32_t>(std::stoul(html.substr(at + 2, end - at - 2)));
        at = end + 1;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            high = unit;
            continue;
        }
        text +=
            utf8::encode(high != 0 ? 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00) : unit);
        high = 0;
    }
    return text;
}

// The document's lines as unrtf's HTML has them: <br> ends a line, other tags go.
std::vector<std::string> htmlLines(const std::string& html) {
    const std::size_t body = html.find("<body>");
    const std::size_t bodyEnd = html.rfind("</body>");
    EXPECT_TRUE(body != std::string::npos && bodyEnd != std::string::npos) << html;
    std::string text = html.substr(body + 6, bodyEnd - body - 6);
    replaceAll(text, "\n", " ");
    replaceAll(text, "<br>", "\n");
    std::string plain;
    bool inTag = false;
    for (const char c : text) {
        inTag = c == '<' || (inTag && c != '>');
        if (!inTag && c != '>') {
            plain += c;
        }
    }
    return test::linesOf(decodeEntities(plain));
}

// HTML shows any run of blanks as one, so lines are compared with their runs of blanks and tabs
// made single spaces and their ends trimmed.
std::string collapsed(std::string_view line) {
    std::string out;
    for (const char c : line) {
        if (c == ' ' || c == '\t') {
            if (!out.empty() && out.back() != ' ') {
                out += ' ';
            }
        } else {
            out += c;
        }
    }
    if (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    return out;
}

TEST_F(Summary, SavedSummaryReadsBackInAnotherReader) {
    ASSERT_EQ(std::system("command -v unrtf >/dev/null 2>&1"), 0)
        << "unrtf is not installed: tools/install-deps tests installs it";
    calculate();
    const std::string text =
        withComment(summaryText({main, &costing.form, true, clock}),
                    "Connections ½ inch {BSP} \\ parallel \U0001F600 to be checked on site");
    const fs::path file =
        fs::temp_directory_path() / ("rac_summary_" + std::to_string(getpid()) + ".rtf");
    ASSERT_TRUE(writeWholeFile(file.string(), rtfOfPlainText(text)));
    const auto html = outputOf("unrtf --html '" + file.string() + "' 2>/dev/null");
    fs::remove(file);
    ASSERT_TRUE(html.has_value()) << "unrtf failed on " << file;

    std::vector<std::string> read;
    for (const std::string& line : htmlLines(*html)) {
        read.push_back(collapsed(line));
    }
    std::vector<std::string> written;
    for (const std::string& line : test::linesOf(text)) {
        written.push_back(collapsed(line));
    }
    EXPECT_EQ(read, written);
}

} // namespace
} // namespace rac::summary::testing_support
