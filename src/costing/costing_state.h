#pragma once

#include "costing/password_digest.h"
#include "costmodel/coil_costing.h"
#include "costmodel/price_table.h"

#include <optional>

// The costing's share of the program-wide state: a plain value the program keeps and puts back
// whole, like the calculation's.
namespace rac::costing {

// What the program remembers of the Additional Information password while it runs. Only a
// digest of the password is ever held, and nothing of it is written to disk.
struct AdditionalInformationAccess {
    bool RememberPassword = false;
    std::optional<PasswordDigest> StoredPassword;

    friend bool operator==(const AdditionalInformationAccess&,
                           const AdditionalInformationAccess&) = default;
};

struct CostingState {
    costmodel::PriceTable PriceTable;
    // The working record, refilled for each coil in turn.
    costmodel::CoilCosting CoilCosting;
    AdditionalInformationAccess access;
};

} // namespace rac::costing
