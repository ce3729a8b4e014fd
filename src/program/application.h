#pragma once

#include "mainscreen/system_info.h"
#include "platform/form.h"
#include "platform/services.h"
#include "program/program_state.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The program without a window system: the forms of the form table, the services they use and
// the program-wide state behind them. The desktop binds real windows to these forms; rac-cli
// drives them by name. Every form is made with the application and lives as long as it; a form
// that is unloaded comes back at its design state when it is loaded again, and while a form is
// shown modal the user can act on no other.
namespace rac::program {

class Application {
  public:
    // Without a system information tool: the About box says there is none.
    explicit Application(platform::Services services);
    // With the platform's system information tool, which must outlive the application.
    Application(platform::Services services, mainscreen::SystemInfoTool& systemInfo);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Start-up with the splash screen: frmSplash is shown; its progress timer reaching 100, or a
    // click anywhere on it, opens frmMain and unloads the splash.
    void startWithSplash();
    // Start-up without the splash: frmMain loaded and shown exactly as after the splash.
    void start();

    // A form by name ("frmMain", "frmSplash", "frmAbout", ...); null for a name the program
    // does not have.
    platform::Form* form(std::string_view name);
    // Every form of the program, loaded or not, in the order of the form table.
    std::vector<platform::Form*> forms();
    // The form of that class, with its procedures (SetRatingMode, ValidateInputs, ...).
    template <typename Screen> Screen& form() {
        for (platform::Form* candidate : forms()) {
            if (auto* screen = dynamic_cast<Screen*>(candidate)) {
                return *screen;
            }
        }
        throw std::logic_error("the program has no form of that class");
    }

    const ProgramState& state() const;
    // ExitApplication has run: every window is closed and the program ends.
    bool exited() const;

    // Keeps the state of the whole program as it is now: every form and control, and the
    // program-wide state. A later call keeps the newer state.
    void takeSnapshot();
    // Puts the kept state back, exactly as it was, without raising any event; the forms'
    // observers are told of every change, so bound windows follow. Only between events, and only
    // after takeSnapshot (std::logic_error otherwise).
    void restoreSnapshot();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace rac::program
