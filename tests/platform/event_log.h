#pragma once

#include "platform/form.h"

#include <string>
#include <utility>
#include <vector>

namespace rac::platform::testing_support {

// Writes "Event name" for every event of the listed controls, in the order raised.
class EventLog {
  public:
    void watch(Form& form, const std::vector<std::string>& names) {
        static const std::pair<Event, const char*> events[] = {{Event::Click, "Click"},
                                                               {Event::Change, "Change"},
                                                               {Event::GotFocus, "GotFocus"},
                                                               {Event::LostFocus, "LostFocus"},
                                                               {Event::Timer, "Timer"}};
        for (const auto& name : names) {
            for (const auto& [event, word] : events) {
                form.on(name, event, [this, word = std::string(word)](Control& c) {
                    entries.push_back(word + " " + c.name());
                });
            }
            form.onKeyPress(name, [this](Control& c, char32_t& key) {
                entries.push_back("KeyPress " + c.name() + " " + std::to_string(key));
            });
        }
    }

    std::vector<std::string> entries;
};

} // namespace rac::platform::testing_support
