#include "gui/event_pump.h"

#include <QCoreApplication>

namespace rac::gui {

void QtEventPump::processPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace rac::gui
