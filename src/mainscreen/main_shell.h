#pragma once

// What the main screen asks of the program around it: the windows it does not own.
namespace rac::mainscreen {

class MainShell {
  public:
    virtual ~MainShell() = default;
    // Ends the program at once, closing every window; nothing is asked or saved.
    virtual void ExitApplication() = 0;
    // Shows the About box (not modal).
    virtual void ShowAbout() = 0;
    // Opens the costing screen on the pair just calculated; the main screen goes while it shows.
    virtual void ShowCosting() = 0;
    // Closes the costing screen, discarding its results, when it is open.
    virtual void CloseCosting() = 0;
    // Opens the summary of the screens, modal.
    virtual void ShowSummary() = 0;
};

} // namespace rac::mainscreen
