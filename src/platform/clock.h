#pragma once

#include <string>
#include <utility>

namespace rac::platform {

// The current date and time as the user reads them.
struct ClockReading {
    std::string date;
    std::string time;

    friend bool operator==(const ClockReading&, const ClockReading&) = default;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual ClockReading now() const = 0;
};

// Local time as "YYYY-MM-DD" and "HH:MM".
class SystemClock final : public Clock {
  public:
    ClockReading now() const override;
};

// Always the reading it was given, for reproducible documents.
class FixedClock final : public Clock {
  public:
    explicit FixedClock(ClockReading reading) : reading_(std::move(reading)) {}
    ClockReading now() const override { return reading_; }
    void set(ClockReading reading) { reading_ = std::move(reading); }

  private:
    ClockReading reading_;
};

} // namespace rac::platform
