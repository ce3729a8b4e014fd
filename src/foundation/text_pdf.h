#pragma once

#include <string>

namespace rac {

// A text document to set on A4 pages without a window system.
struct TextPdf {
    std::string title;       // the file's title
    std::string headerLeft;  // heads every page, over a rule
    std::string headerRight; //
    std::string text;        // UTF-8; lines end with '\n', tabs stop every eight characters
    double points = 9;       // the size of the text
    bool bold = false;
};

// A PDF of the text in the standard fixed-pitch font (Courier), so that tab-aligned columns stay
// aligned: A4 pages with the header at the top and "Page N of M" at the foot. Lines too long for
// the page go on over the next line; blank lines at the end take no page. Characters the font's
// Latin-1 encoding lacks print as '?'.
std::string textPdf(const TextPdf& document);

} // namespace rac
