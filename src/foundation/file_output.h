#pragma once

#include <string>
#include <string_view>

namespace rac {

// Whether a file was written, and if not, why, in words a user can act on ("No such file or
// directory", "No space left on device").
struct WriteResult {
    std::string failure; // empty when the file was written

    explicit operator bool() const { return failure.empty(); }
    friend bool operator==(const WriteResult&, const WriteResult&) = default;
};

// Replaces the contents of a file. The text goes to a temporary file beside it first and then
// takes its place, so a failed write leaves any earlier file as it was and no temporary behind.
// Fails on an empty name, a missing folder, a folder of that name, no permission, a full disk.
WriteResult writeWholeFile(const std::string& path, std::string_view contents);

} // namespace rac
