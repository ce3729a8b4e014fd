#include "cli/application_program.h"

#include "program/application.h"

namespace rac::cli {

namespace {

class ApplicationProgram final : public Program {
  public:
    explicit ApplicationProgram(platform::Services services) : application_(services) {
        application_.start();
        application_.takeSnapshot();
    }
    platform::Form* form(std::string_view name) override { return application_.form(name); }
    bool restart() override {
        application_.restoreSnapshot();
        return true;
    }

  private:
    program::Application application_;
};

} // namespace

std::unique_ptr<Program> launchApplication(platform::Services services) {
    return std::make_unique<ApplicationProgram>(services);
}

} // namespace rac::cli
