#pragma once

#include <cstdint>
#include <string>

namespace rac::platform {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour white{255, 255, 255};
inline constexpr Colour black{0, 0, 0};

// A colour value written blue-green-red with red in the low byte, as the screen rules give
// them (0x8080FF is a light red).
constexpr Colour fromBgr(std::uint32_t value) {
    return Colour{static_cast<std::uint8_t>(value & 0xFFu),
                  static_cast<std::uint8_t>((value >> 8) & 0xFFu),
                  static_cast<std::uint8_t>((value >> 16) & 0xFFu)};
}

// "#RRGGBB" with upper-case hex digits.
std::string hexText(Colour colour);

} // namespace rac::platform
