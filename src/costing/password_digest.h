#pragma once

#include <array>
#include <string_view>

// The Additional Information password is known to the program only as its SHA-256 digest: the
// typed text is digested and compared, and only digests are kept.
namespace rac::costing {

using PasswordDigest = std::array<unsigned char, 32>;

PasswordDigest digestOf(std::string_view password);

// The digest is that of the Additional Information password (compared exactly, letter case
// included).
bool opensAdditionalInformation(const PasswordDigest& digest);

} // namespace rac::costing
