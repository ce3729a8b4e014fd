#pragma once

#include "gui/event_pump.h"
#include "gui/file_dialogs.h"
#include "gui/help_window.h"
#include "gui/message_sink.h"
#include "gui/selection_files.h"
#include "gui/settings_store.h"
#include "gui/system_info_tool.h"
#include "gui/window_printer.h"
#include "platform/clock.h"
#include "program/application.h"

#include <QObject>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace rac::gui {

class FormBinding;

// The program on the desktop: the Qt services, the toolkit-free application, and a window for
// each of its forms, made when the form is first shown. Ends the event loop when the program exits,
// and lets the desktop session end the program.
class Desktop final : public QObject {
    Q_OBJECT

  public:
    Desktop();
    // With a clock other than the system's, for documents that come out the same each time.
    explicit Desktop(platform::Clock& clock);
    ~Desktop() override;

    void startWithSplash();
    void start();
    // A selection file to open once the main window shows (`rac FILE.rac`).
    void openWhenStarted(const QString& path);

    program::Application& application() { return *application_; }
    // The window of a form, once the form has loaded; null before and for unknown forms.
    QWidget* window(std::string_view form) const;
    FormBinding* binding(std::string_view form) const;
    QtHelpViewer& help() { return help_; }
    SelectionFiles& files() { return *files_; }

  private:
    void stateChanged(platform::Form& form);
    void sessionEnding();
    void mainStarted();

    QtHelpViewer help_;
    QtMessageSink messages_{help_};
    QtSettingsStore settings_;
    QtFileDialogs dialogs_;
    QtPrinter printer_;
    QtEventPump events_;
    platform::SystemClock systemClock_;
    platform::Clock& clock_;
    DesktopSystemInfo systemInfo_;
    // Declared after the services the forms use and before the windows bound to the forms.
    std::unique_ptr<program::Application> application_;
    std::unique_ptr<SelectionFiles> files_;
    QString openWhenStarted_;
    bool waitingForMain_ = false; // started with the splash: the main window is still to come
    std::map<std::string, std::unique_ptr<QWidget>, std::less<>> windows_;
    std::vector<std::pair<platform::Form*, std::size_t>> observers_;
};

} // namespace rac::gui
