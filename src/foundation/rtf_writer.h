#pragma once

#include <string>
#include <string_view>

namespace rac {

// A complete Rich Text document of a UTF-8 text in Arial 8.25 pt bold, the summary's look, that
// any word processor opens. The document is pure ASCII: a line feed ends a paragraph (so does a
// carriage return, alone or before a line feed), a tab is \tab, \ { and } are escaped, and every
// other character outside printable ASCII is written as its UTF-16 code units, each as \uN with
// a '?' for readers that know no Unicode. Each ill-formed UTF-8 sequence becomes one U+FFFD.
std::string rtfOfPlainText(std::string_view text);

} // namespace rac
