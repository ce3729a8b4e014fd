#include "foundation/text_pdf.h"

#include "foundation/utf8.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <vector>

namespace rac {

namespace {

// A4 in points, and the room the text has on it.
constexpr double kPageWidth = 595.28;
constexpr double kPageHeight = 841.89;
constexpr double kMargin = 50;
constexpr double kBodyTop = kPageHeight - 78;
constexpr double kBodyBottom = 56;
constexpr double kHeaderPoints = 8;
constexpr double kSmallestPoints = 6;
// Every Courier character is 0.6 of the font size wide.
constexpr double kAdvance = 0.6;
constexpr std::size_t kTabStop = 8;

// A character in the fonts' Latin-1 (WinAnsi) encoding, which agrees with Unicode for printable
// ASCII and for U+00A0 to U+00FF.
char latin1(char32_t character) {
    if ((character >= 0x20 && character < 0x7F) || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<char>(static_cast<unsigned char>(character));
    }
    return '?';
}

// One line as the font's bytes, its tabs expanded to the next stop.
std::string latin1Line(std::string_view line) {
    std::string out;
    for (std::size_t at = 0; at < line.size();) {
        const utf8::Decoded read = utf8::decodeAt(line, at);
        at += read.length;
        if (read.character == '\t') {
            out.append(kTabStop - out.size() % kTabStop, ' ');
        } else if (read.character != '\r') {
            out += latin1(read.character);
        }
    }
    return out;
}

std::vector<std::string> linesOf(std::string_view text) {
    const std::size_t end = text.find_last_not_of(" \t\r\n");
    text = end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t lineEnd = std::min(text.find('\n'), text.size());
        lines.push_back(latin1Line(text.substr(0, lineEnd)));
        text.remove_prefix(std::min(lineEnd + 1, text.size()));
    }
    return lines;
}

// A PDF string: the font's bytes with the delimiters escaped and the upper half in octal.
std::string pdfString(std::string_view bytes) {
    std::string out = "(";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte >= 0x80) {
            char octal[5];
            std::snprintf(octal, sizeof octal, "\\%03o", byte);
            out += octal;
        } else {
            out += c;
        }
    }
    return out + ")";
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string textAt(double x, double y, double points, std::string_view bytes) {
    return "BT /F1 " + number(points) + " Tf " + number(x) + " " + number(y) + " Td " +
           pdfString(bytes) + " Tj ET\n";
}

// The drawing of one page: header and rule, its lines, and the page number centred at the foot.
std::string pageContent(const TextPdf& document, const std::vector<std::string>& lines,
                        std::size_t first, std::size_t count, double points, int page, int pages) {
    std::string content;
    const double headerY = kPageHeight - 44;
    content += textAt(kMargin, headerY, kHeaderPoints, latin1Line(document.headerLeft));
    const std::string right = latin1Line(document.headerRight);
    const double rightWidth = static_cast<double>(right.size()) * kAdvance * kHeaderPoints;
    content += textAt(kPageWidth - kMargin - rightWidth, headerY, kHeaderPoints, right);
    content += "0.5 w " + number(kMargin) + " " + number(headerY - 6) + " m " +
               number(kPageWidth - kMargin) + " " + number(headerY - 6) + " l S\n";
    const double leading = points * 1.2;
    for (std::size_t i = 0; i < count; ++i) {
        content +=
            textAt(kMargin, kBodyTop - static_cast<double>(i) * leading, points, lines[first + i]);
    }
    const std::string foot = "Page " + std::to_string(page) + " of " + std::to_string(pages);
    const double footWidth = static_cast<double>(foot.size()) * kAdvance * kHeaderPoints;
    content += textAt((kPageWidth - footWidth) / 2, 30, kHeaderPoints, foot);
    return content;
}

// Objects numbered from 1 in the order added, and the cross-reference table of their offsets.
class PdfFile {
  public:
    PdfFile() { out_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }

    int reserve() { return static_cast<int>(++count_); }
    void put(int object, const std::string& body) {
        if (offsets_.size() < static_cast<std::size_t>(object)) {
            offsets_.resize(static_cast<std::size_t>(object));
        }
        offsets_[static_cast<std::size_t>(object) - 1] = out_.size();
        out_ += std::to_string(object) + " 0 obj\n" + body + "\nendobj\n";
    }
    std::string finish(int catalog, int info) {
        const std::size_t xref = out_.size();
        out_ += "xref\n0 " + std::to_string(count_ + 1) + "\n0000000000 65535 f \n";
        for (const std::size_t offset : offsets_) {
            char entry[24];
            std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
            out_ += entry;
        }
        out_ += "trailer\n<< /Size " + std::to_string(count_ + 1) + " /Root " +
                std::to_string(catalog) + " 0 R /Info " + std::to_string(info) +
                " 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
        return out_;
    }

  private:
    std::string out_;
    std::size_t count_ = 0;
    std::vector<std::size_t> offsets_;
};

} // namespace

std::string textPdf(const TextPdf& document) {
    const std::vector<std::string> source = linesOf(document.text);
    // Smaller type, down to a floor, rather than a line broken in two.
    std::size_t longest = 1;
    for (const std::string& line : source) {
        longest = std::max(longest, line.size());
    }
    const double width = kPageWidth - 2 * kMargin;
    const double asked = document.points > 0 ? document.points : 9;
    const double points = std::max(
        kSmallestPoints, std::min(asked, width / (kAdvance * static_cast<double>(longest))));
    const auto columns = static_cast<std::size_t>(std::floor(width / (kAdvance * points)));
    std::vector<std::string> lines;
    for (const std::string& line : source) {
        std::size_t at = 0;
        do {
            lines.push_back(line.substr(at, columns));
            at += columns;
        } while (at < line.size());
    }
    const auto perPage =
        static_cast<std::size_t>(std::floor((kBodyTop - kBodyBottom) / (points * 1.2))) + 1;
    const int pages =
        static_cast<int>(std::max<std::size_t>(1, (lines.size() + perPage - 1) / perPage));

    PdfFile pdf;
    const int catalog = pdf.reserve();
    const int pageTree = pdf.reserve();
    const int font = pdf.reserve();
    const int info = pdf.reserve();
    std::string kids;
    for (int page = 1; page <= pages; ++page) {
        const int pageObject = pdf.reserve();
        const int contents = pdf.reserve();
        const std::size_t first = static_cast<std::size_t>(page - 1) * perPage;
        const std::string stream = pageContent(
            document, lines, first, std::min(perPage, lines.size() - first), points, page, pages);
        pdf.put(pageObject, "<< /Type /Page /Parent " + std::to_string(pageTree) +
                                " 0 R /Resources << /Font << /F1 " + std::to_string(font) +
                                " 0 R >> >> /Contents " + std::to_string(contents) + " 0 R >>");
        pdf.put(contents, "<< /Length " + std::to_string(stream.size()) + " >>\nstream\n" + stream +
                              "endstream");
        kids += std::to_string(pageObject) + " 0 R ";
    }
    pdf.put(catalog, "<< /Type /Catalog /Pages " + std::to_string(pageTree) + " 0 R >>");
    pdf.put(pageTree, "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages) +
                          " /MediaBox [0 0 " + number(kPageWidth) + " " + number(kPageHeight) +
                          "] >>");
    pdf.put(font, std::string("<< /Type /Font /Subtype /Type1 /BaseFont /") +
                      (document.bold ? "Courier-Bold" : "Courier") +
                      " /Encoding /WinAnsiEncoding >>");
    pdf.put(info, "<< /Title " + pdfString(latin1Line(document.title)) + " /Producer (ZYL RAC) >>");
    return pdf.finish(catalog, info);
}

} // namespace rac
