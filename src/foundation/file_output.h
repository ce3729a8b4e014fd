#pragma once

#include <string>
#include <string_view>

namespace rac {

// Replaces the contents of a file. The text goes to a temporary file beside it first and then
// takes its place, so a failed write leaves any earlier file as it was. False on any failure
// (empty name, missing folder, a folder of that name, no permission, disk full).
bool writeWholeFile(const std::string& path, std::string_view contents);

} // namespace rac
