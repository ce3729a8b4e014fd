#pragma once

#include "platform/message_box.h"

namespace rac::coil {

// The stop flag of one calculation and the sink its messages go to. Any stage that finds the
// calculation impossible shows its message and sets CalcAbort; every caller tests it and returns.
struct CalcStatus {
    explicit CalcStatus(platform::MessageSink& sink) : messages(sink) {}

    platform::MessageSink& messages;
    bool CalcAbort = false;

    void abortWith(const platform::Message& message) {
        messages.show(message);
        CalcAbort = true;
    }
};

} // namespace rac::coil
