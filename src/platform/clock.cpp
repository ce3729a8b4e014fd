#include "platform/clock.h"

#include <ctime>

namespace rac::platform {

ClockReading SystemClock::now() const {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    char date[16];
    char time[8];
    std::strftime(date, sizeof date, "%Y-%m-%d", &local);
    std::strftime(time, sizeof time, "%H:%M", &local);
    return {date, time};
}

} // namespace rac::platform
