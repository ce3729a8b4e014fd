#pragma once

#include "platform/form.h"
#include "platform/services.h"

#include <functional>
#include <memory>
#include <string_view>

// The commands drive a running program only through its forms, so they work on the real screens
// and on any small set of forms alike.
namespace rac::selection {

class Program {
  public:
    virtual ~Program() = default;
    // The form of that name, or null when the program has none.
    virtual platform::Form* form(std::string_view name) = 0;
    // Brings the program back to its state after start-up, as a fresh launch on the same services
    // would leave it, and returns true; false when this program cannot, and a fresh one is needed.
    virtual bool restart() { return false; }
};

// Starts a fresh program on the services, in its state after start-up. The services outlive it.
using Launcher = std::function<std::unique_ptr<Program>(platform::Services)>;

} // namespace rac::selection
