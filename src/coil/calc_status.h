#pragma once

#include "foundation/messages.h"

namespace rac::coil {

// The stop flag of one calculation and the sink its messages go to. Any stage that finds the
// calculation impossible shows its message and sets CalcAbort; every caller tests it and returns.
struct CalcStatus {
    explicit CalcStatus(MessageSink& sink) : messages(sink) {}

    MessageSink& messages;
    bool CalcAbort = false;

    void abortWith(const Message& message) {
        messages.show(message);
        CalcAbort = true;
    }
};

} // namespace rac::coil
