#include "platform/colour.h"

namespace rac::platform {

std::string hexText(Colour colour) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text = "#";
    for (const std::uint8_t part : {colour.red, colour.green, colour.blue}) {
        text += digits[part >> 4];
        text += digits[part & 0x0F];
    }
    return text;
}

} // namespace rac::platform
