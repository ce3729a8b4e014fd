#pragma once

#include "platform/form.h"

#include <functional>

namespace rac::mainscreen {

// The start-up screen: a progress bar that runs to 100 in steps of 20 ms and a blinking
// "Loading...". When the bar is full, or at once when the user clicks anywhere on the screen, it
// hands over to the main screen.
class FrmSplash final : public platform::Form {
  public:
    // finished opens the main screen and unloads this one; it runs once per load.
    explicit FrmSplash(std::function<void()> finished);

  private:
    void advance();
    void finish();

    std::function<void()> finished_;
};

} // namespace rac::mainscreen
