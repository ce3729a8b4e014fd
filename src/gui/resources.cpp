#include "gui/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares its function at the point of use, so it has to run outside a namespace.
static void initRacResources() {
    Q_INIT_RESOURCE(rac);
}

namespace rac::gui {

void initResources() {
    initRacResources();
}

} // namespace rac::gui
