#pragma once

#include <array>
#include <string_view>

// Where the maker of the program can be reached, as the summary ends. The numbers are from the
// range kept for drama and the addresses from the reserved .example domain: the firm and its
// address are made up.
namespace rac::summary {

inline constexpr std::array<std::string_view, 5> kMakerAddress{
    "ZYL", "Unit 4, Example Trading Estate", "Fen Road", "Exampleton", "United Kingdom"};

inline constexpr std::array<std::string_view, 4> kMakerContacts{
    "Tel: +44 (0)1632 960123", "Fax: +44 (0)1632 960124", "E-mail: sales@zyl.example",
    "Web: www.zyl.example"};

} // namespace rac::summary
