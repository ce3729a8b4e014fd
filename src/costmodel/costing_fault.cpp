#include "costmodel/costing_fault.h"

#include "coil/circuiting.h"

#include <cmath>
#include <string>

namespace rac::costmodel {

namespace {

const char* faultText(CostFault fault) {
    switch (fault) {
    case CostFault::NoCircuits:
        return "This coil has no circuits: its circuit type or number gives 0 circuits for its "
               "tubes high, so its return bends cannot be counted. Choose another circuit type or "
               "enter at least 1 circuit on the main screen, calculate again and then cost it.";
    case CostFault::NoSections:
        return "This coil has 0 sections, so the height of its casing sections cannot be worked "
               "out. Enter at least 1 section on the main screen, calculate again and then cost "
               "it.";
    case CostFault::UnknownCasingMaterial:
        return "The casing material of this coil is not one of the listed sheet materials, so "
               "the casing has no sheet price. Choose a casing material from the list.";
    case CostFault::UnknownDrainpanMaterial:
        return "The drainpan material of this coil is not one of the listed sheet materials, so "
               "the drainpan has no sheet price. Choose a drainpan material from the list.";
    case CostFault::NoSellPrice:
        return "The sell price is the cost divided by (100% less the gross margin), and a gross "
               "margin of 100% leaves nothing to divide by. Enter a gross margin greater than or "
               "equal to 0% and less than 100%.";
    case CostFault::NotFinite:
        return "The costing of this coil gave no finite result for these inputs. Check the coil's "
               "dimensions on the main screen and the casing depth, then cost it again.";
    }
    return "";
}

} // namespace

void StopCosting(coil::CoilSide side, coil::CalcStatus& status, CostFault fault) {
    status.abortWith(information("Costing Not Possible - " + std::string(coil::coilLabel(side)),
                                 faultText(fault)));
}

bool allFinite(const CoilCosting& costing, std::span<float CoilCosting::*const> quantities) {
    for (float CoilCosting::*quantity : quantities) {
        if (!std::isfinite(costing.*quantity)) {
            return false;
        }
    }
    return true;
}

} // namespace rac::costmodel
