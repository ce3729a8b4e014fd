#pragma once

#include "platform/form.h"
#include "platform/services.h"

#include <memory>
#include <string_view>
#include <vector>

// The program without a window system: its forms, the services they use and the calculation
// state behind them. The desktop binds real windows to these forms; rac-cli drives them by
// name. Forms are created once, with the application, and live as long as it; a form the
// program discards on closing is reset before it is loaded again.
namespace rac::mainscreen {

class FrmMain;
class FrmSplash;
class FrmAbout;
class SystemInfoTool;

class Application {
  public:
    // Without a system information tool: the About box says there is none.
    explicit Application(platform::Services services);
    // With the platform's system information tool, which must outlive the application.
    Application(platform::Services services, SystemInfoTool& systemInfo);
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
    // Every form of the program, loaded or not.
    std::vector<platform::Form*> forms();

    // The forms with their procedures (SetRatingMode, ValidateInputs, ...).
    FrmMain& frmMain();
    FrmSplash& frmSplash();
    FrmAbout& frmAbout();

    // ExitApplication has run: every window is closed and the program ends.
    bool exited() const;

    // Keeps the state of the whole program as it is now: every form and control, the calculation
    // record and the flags. A later call keeps the newer state.
    void takeSnapshot();
    // Puts the kept state back, exactly as it was, without raising any event; the forms'
    // observers are told of every change, so bound windows follow. Only between events, and only
    // after takeSnapshot (std::logic_error otherwise).
    void restoreSnapshot();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace rac::mainscreen
