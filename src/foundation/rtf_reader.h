#pragma once

#include <string>
#include <string_view>

namespace rac {

// The text of a Rich Text document, as UTF-8: paragraphs and line breaks become new lines, tabs
// stay, \'hh (Windows-1252) and \uN characters are decoded (a UTF-16 surrogate pair as one
// character, a lone surrogate as U+FFFD), and font tables, colour tables, pictures and other
// destinations are left out. Formatting is dropped; malformed input never throws, it yields
// what text could be read.
std::string plainTextOfRtf(std::string_view rtf);

} // namespace rac
