#pragma once

#include "foundation/messages.h"

namespace rac::coil {

// The stop flag of one calculation and the sink its messages go to. Any stage that finds the
// calculation impossible shows its message and sets CalcAbort; every caller tests it and returns.
// The flag belongs to the program-wide state, which the calculation and the costing share.
struct CalcStatus {
    CalcStatus(MessageSink& sink, bool& calcAbort) : messages(sink), CalcAbort(calcAbort) {}

    MessageSink& messages;
    bool& CalcAbort;

    void abortWith(const Message& message) {
        messages.show(message);
        CalcAbort = true;
    }
};

} // namespace rac::coil
