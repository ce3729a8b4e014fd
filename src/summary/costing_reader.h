#pragma once

#include "platform/form.h"

#include <string>
#include <string_view>

namespace rac::summary {

inline constexpr std::string_view kNotAvailable = "N/A";

// The costing screen as the summary reads it: while no costing is current every value reads
// "N/A" and no option counts as chosen.
class CostingReader {
  public:
    // A costing cannot be current without its screen, whatever the flag says.
    CostingReader(const platform::Form* costing, bool costingDone)
        : costing_(costingDone ? costing : nullptr) {}

    bool current() const { return costing_ != nullptr; }
    // The control's text, or "N/A".
    std::string text(std::string_view control) const;
    // A ticked check box, or a selected option button.
    bool chosen(std::string_view control) const;
    // Chosen, and shown: an option the screen hides does not apply to the coil.
    bool chosenAndShown(std::string_view control) const;

  private:
    const platform::Form* costing_;
};

} // namespace rac::summary
