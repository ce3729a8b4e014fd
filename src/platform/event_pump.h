#pragma once

namespace rac::platform {

// Lets the screen catch up (repaint, show the wait pointer) before a long command runs.
class EventPump {
  public:
    virtual ~EventPump() = default;
    virtual void processPendingEvents() = 0;
};

// There is nothing pending without a window system; counts the requests.
class CountingEventPump final : public EventPump {
  public:
    void processPendingEvents() override { ++count_; }
    int count() const { return count_; }

  private:
    int count_ = 0;
};

} // namespace rac::platform
