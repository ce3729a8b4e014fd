#pragma once

#include "platform/event_pump.h"

namespace rac::gui {

// Lets the window repaint and show the wait pointer before a long command. Input is left queued:
// a second click on Calculate must not start a calculation inside the first.
class QtEventPump final : public platform::EventPump {
  public:
    void processPendingEvents() override;
};

} // namespace rac::gui
