#include "payback/window_print.h"

#include "mainscreen/identity.h"

namespace rac::payback {

void PrintWindow(const platform::Services& services, const platform::Form& window,
                 std::string_view failure) {
    if (!services.printer.printWindow(window)) {
        // A box given no title of its own bears the program's.
        services.messages.show(
            okOnly(std::string(mainscreen::kApplicationTitle), std::string(failure)));
    }
}

} // namespace rac::payback
