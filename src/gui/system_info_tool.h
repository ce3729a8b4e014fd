#pragma once

#include "mainscreen/system_info.h"

#include <QStringList>

namespace rac::gui {

// The first system information program found on the search path, started in its own window.
class DesktopSystemInfo final : public mainscreen::SystemInfoTool {
  public:
    // Program names tried in order; the default list covers Windows and the usual Linux desktops.
    explicit DesktopSystemInfo(QStringList programs = {"msinfo32", "hardinfo2", "hardinfo",
                                                       "kinfocenter", "gnome-system-monitor"})
        : programs_(std::move(programs)) {}
    bool start() override;

  private:
    QStringList programs_;
};

} // namespace rac::gui
