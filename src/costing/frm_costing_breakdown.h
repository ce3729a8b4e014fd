#pragma once

#include "coil/current_coil.h"
#include "costmodel/coil_costing.h"
#include "platform/form.h"
#include "platform/services.h"

#include <array>
#include <vector>

namespace rac::costing {

struct BreakdownValue;

// The costing's intermediate values for each coil: material, labour, options, sheet metal and
// weights. Every costing writes them whether or not the window is shown; a box that has not been
// loaded yet is loaded (hidden) first, as the window keeps them.
class FrmCostingBreakdown final : public platform::Form {
  public:
    explicit FrmCostingBreakdown(platform::Services services);

    // Every value of the coil, in its pattern ("0.00" for money, "0.0" for weights).
    void ShowCoil(coil::CoilSide side, const costmodel::CoilCosting& costing);
    void ShowCarriageCost(float carriageCost);
    // Every box empty: the costing they came from has gone.
    void ClearValues();
    // An image of the window on the default printer; a failure ends it silently.
    void PrintWindow();

  private:
    struct Box {
        platform::Control* control;
        const BreakdownValue* value;
    };

    platform::Services services_;
    // Each coil's value boxes, found once: every costing writes them all.
    std::array<std::vector<Box>, 2> boxes_;
    platform::Control& carriage_;
};

} // namespace rac::costing
