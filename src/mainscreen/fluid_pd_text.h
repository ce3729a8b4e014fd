#pragma once

#include <string>
#include <string_view>

// How the main screen writes fluid pressure drops (kPa): one decimal, but without decimals once
// the number shown is above 100.
namespace rac::mainscreen {

// A shown drop ("100.3") shown again without decimals ("100") when its number is above 100;
// otherwise unchanged. It is the number shown that is rounded again, not the value behind it.
std::string wholeAbove100(std::string shown);

// The total of the two drops as shown: their sum as its shortest decimal text, then
// wholeAbove100 (62.4 and 41.7 give "104", 50.0 and 50.0 give "100").
std::string totalFluidPDText(std::string_view supplyShown, std::string_view extractShown);

} // namespace rac::mainscreen
