#include "foundation/file_output.h"
#include "foundation/text_pdf.h"
#include "support/program_output.h"
#include "support/temporary_folder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <regex>
#include <string>

namespace rac {
namespace {

using test::TemporaryFolder;

// The text poppler's pdftotext reads from the PDF, laid out as on the page.
std::string readBack(const std::filesystem::path& folder, const TextPdf& document) {
    const std::filesystem::path file = folder / "document.pdf";
    EXPECT_TRUE(writeWholeFile(file.string(), textPdf(document)));
    const auto text = test::outputOf("pdftotext -layout -enc UTF-8 '" + file.string() + "' -");
    EXPECT_TRUE(text.has_value()) << "pdftotext (poppler-utils, tools/install-deps tests)";
    return text.value_or("");
}

TEST(TextPdf, EveryObjectIsWhereTheCrossReferenceSaysAndTheTrailerPointsAtIt) {
    const std::string pdf = textPdf({"Summary", "ZYL RAC", "2026-12-07", "one\ntwo", 9, true});
    EXPECT_TRUE(pdf.starts_with("%PDF-1.4\n"));
    EXPECT_TRUE(pdf.ends_with("%%EOF\n"));
    const std::size_t xref = std::stoul(pdf.substr(pdf.rfind("startxref\n") + 10));
    ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
    std::smatch entry;
    std::string table = pdf.substr(xref);
    std::regex offset(R"((\d{10}) 00000 n )");
    int object = 1;
    for (auto it = std::sregex_iterator(table.begin(), table.end(), offset);
         it != std::sregex_iterator(); ++it, ++object) {
        const std::size_t at = std::stoul((*it)[1]);
        EXPECT_EQ(
            pdf.compare(at, std::to_string(object).size() + 6, std::to_string(object) + " 0 obj"),
            0)
            << "object " << object;
    }
    EXPECT_EQ(object, 7) << "catalog, pages, font, info and one page with its contents";
    EXPECT_NE(pdf.find("/BaseFont /Courier-Bold"), std::string::npos);
}

TEST_F(TemporaryFolder, ReadsBackWithItsLatinCharactersHeaderAndPageNumbers) {
    const std::string text = readBack(
        folder,
        {"Summary", "ZYL RAC Version 1.1", "2026-12-07",
         "Dry Bulb:\t\t0\t\t°C\nSupply Air Vol:\t2.5\tm³/s\nEx-Works Price:\t900\t£\n"
         "Connection Size:\t½ inch\n(brackets) and \\ kept\nEuro € not in the font\n\t\t\n\t\t\n",
         8.25, true});
    for (const char* line :
         {"Dry Bulb:", "°C", "m³/s", "900", "£", "½ inch", "(brackets) and \\ kept",
          "Euro ? not in the font", "ZYL RAC Version 1.1", "2026-12-07", "Page 1 of 1"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
    }
}

TEST_F(TemporaryFolder, LongLinesAreSetSmallerOrGoOnOverTheNextAndLongTextsTakePages) {
    const std::string rule(135, '-');
    const std::string ruled = readBack(folder, {"Rule", "", "", rule + "\nafter", 8.25, false});
    EXPECT_NE(ruled.find(rule), std::string::npos) << "the rule fits, in smaller type";

    const std::string endless(400, 'x');
    const std::string wrapped = readBack(folder, {"Long", "", "", endless + "\nEND", 9, false});
    EXPECT_EQ(std::ranges::count(wrapped, 'x'), 400) << "no character lost";

    std::string many;
    for (int line = 1; line <= 200; ++line) {
        many += "line " + std::to_string(line) + "\n";
    }
    const std::string paged = readBack(folder, {"Pages", "", "", many, 9, false});
    EXPECT_NE(paged.find("line 200"), std::string::npos);
    EXPECT_NE(paged.find("Page 4 of 4"), std::string::npos);
    EXPECT_EQ(paged.find("Page 5"), std::string::npos);
}

} // namespace
} // namespace rac
