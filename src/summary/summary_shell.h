#pragma once

#include "platform/form.h"

#include <string_view>

namespace rac::summary {

// What the summary asks of the program around it: the screens it reports on.
class SummaryShell {
  public:
    virtual ~SummaryShell() = default;
    // The program's form of that name while it is loaded; null when it is not.
    virtual const platform::Form* loadedForm(std::string_view name) const = 0;
};

} // namespace rac::summary
