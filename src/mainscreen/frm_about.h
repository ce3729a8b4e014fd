#pragma once

#include "foundation/messages.h"
#include "mainscreen/system_info.h"
#include "platform/form.h"

namespace rac::mainscreen {

// The About box (not modal): the program's name, version and description, a disclaimer, and the
// way to the platform's system information tool.
class FrmAbout final : public platform::Form {
  public:
    FrmAbout(MessageSink& messages, SystemInfoTool& systemInfo);

    // Starts the system information tool, or says that there is none.
    void StartSysInfo();

  private:
    MessageSink& messages_;
    SystemInfoTool& systemInfo_;
};

} // namespace rac::mainscreen
