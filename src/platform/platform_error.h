#pragma once

#include <stdexcept>

namespace rac::platform {

// A misuse of the screen model or of a service that the caller can report: an unknown control,
// an action the control's kind does not have, a list position that does not exist, a dialog answer
// of the wrong kind. The message names the form and control concerned.
class PlatformError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace rac::platform
