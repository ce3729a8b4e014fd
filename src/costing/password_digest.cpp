#include "costing/password_digest.h"

#include <openssl/evp.h>
#include <stdexcept>

namespace rac::costing {

namespace {

// The digest of the one password that opens the Additional Information.
constexpr PasswordDigest kAdditionalInformationDigest{
    0x8e, 0x85, 0x88, 0x74, 0xa2, 0x15, 0x86, 0xc3, 0xd3, 0x10, 0xb2, 0x46, 0x1e, 0xd4, 0x60, 0x67,
    0x0f, 0x15, 0x8a, 0xc5, 0x6f, 0x60, 0xff, 0x55, 0x3c, 0x4b, 0x07, 0x34, 0x2d, 0x08, 0xa8, 0x3e};

} // namespace

PasswordDigest digestOf(std::string_view password) {
    PasswordDigest digest{};
    unsigned int length = 0;
    if (EVP_Digest(password.data(), password.size(), digest.data(), &length, EVP_sha256(),
                   nullptr) != 1 ||
        length != digest.size()) {
        throw std::runtime_error("SHA-256 is not available from the crypto library");
    }
    return digest;
}

bool opensAdditionalInformation(const PasswordDigest& digest) {
    return digest == kAdditionalInformationDigest;
}

} // namespace rac::costing
