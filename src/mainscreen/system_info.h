#pragma once

// The platform's system information tool, which the About box offers to start.
namespace rac::mainscreen {

class SystemInfoTool {
  public:
    virtual ~SystemInfoTool() = default;
    // Starts the tool in a normal window; false when the platform has none.
    virtual bool start() = 0;
};

// No window system, no tool.
class NoSystemInfoTool final : public SystemInfoTool {
  public:
    bool start() override { return false; }
};

} // namespace rac::mainscreen
