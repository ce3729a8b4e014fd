#include "gui/system_info_tool.h"

#include <QProcess>
#include <QStandardPaths>

namespace rac::gui {

bool DesktopSystemInfo::start() {
    for (const QString& program : programs_) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty() && QProcess::startDetached(path, {})) {
            return true;
        }
    }
    return false;
}

} // namespace rac::gui
