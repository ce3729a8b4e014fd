#pragma once

#include "mainscreen/system_info.h"

#include <QWidget>
#include <memory>

namespace rac::gui {

// The About box's System Info: the program's own window with the operating system, the Qt
// version, the processor and the memory of this machine, which every Linux desktop can show.
class DesktopSystemInfo final : public mainscreen::SystemInfoTool {
  public:
    DesktopSystemInfo();
    ~DesktopSystemInfo() override;
    DesktopSystemInfo(const DesktopSystemInfo&) = delete;
    DesktopSystemInfo& operator=(const DesktopSystemInfo&) = delete;

    bool start() override;
    // The window, once started.
    QWidget* window() const { return window_.get(); }

  private:
    std::unique_ptr<QWidget> window_;
};

} // namespace rac::gui
