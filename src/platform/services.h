#pragma once

#include "foundation/messages.h"
#include "platform/clock.h"
#include "platform/dialog_answers.h"
#include "platform/event_pump.h"
#include "platform/file_dialogs.h"
#include "platform/help.h"
#include "platform/printing.h"
#include "platform/settings_store.h"

namespace rac::platform {

// The services the screens use, handed down together.
struct Services {
    MessageSink& messages;
    SettingsStore& settings;
    FileDialogs& dialogs;
    Printer& printer;
    HelpViewer& help;
    EventPump& events;
    Clock& clock;
};

// Every service without a window system: messages, prints and help requests recorded, settings in
// memory, file and printer dialogs answered from one queue, a fixed clock.
struct RecordingServices {
    RecordingMessageSink messages;
    MemorySettingsStore settings;
    DialogAnswers answers;
    AnsweredFileDialogs dialogs{answers};
    RecordingPrinter printer{answers};
    RecordingHelpViewer help;
    CountingEventPump events;
    FixedClock clock{ClockReading{"2000-01-01", "00:00"}};

    RecordingServices() = default;
    RecordingServices(const RecordingServices&) = delete;
    RecordingServices& operator=(const RecordingServices&) = delete;

    Services services() { return {messages, settings, dialogs, printer, help, events, clock}; }
};

} // namespace rac::platform
