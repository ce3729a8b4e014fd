#pragma once

#include "platform/settings_store.h"
#include "program/application.h"
#include "selection/application_view.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace rac::gui {

// The selection being worked on as a file: File › New, Open…, Save, Save As… and the recent files
// on the main and costing windows, the file's name and an unsaved-changes marker in the main
// window's title, and the question whether to save before New, Open and closing the program.
// Opening enters the file's texts into the screens as a user would and presses Calculate.
class SelectionFiles final : public QObject {
    Q_OBJECT

  public:
    static constexpr int kRecentFiles = 8;

    SelectionFiles(program::Application& application, platform::SettingsStore& settings);
    ~SelectionFiles() override;
    SelectionFiles(const SelectionFiles&) = delete;
    SelectionFiles& operator=(const SelectionFiles&) = delete;

    // A form's window, once made: frmMain's and frmCosting's get the File entries; frmMain's
    // also asks before the program closes and opens files dropped on it.
    void attach(QWidget& window, platform::Form& form);
    // The program has started: New returns to the screens as they are now.
    void started();

    // Each asks first whether to save unsaved changes; false when nothing was done.
    bool newSelection();
    bool openChosen();
    bool open(const QString& path);
    bool save();
    bool saveAs();
    // Save, Don't Save or Cancel when there are unsaved changes: false for Cancel or a failed
    // save.
    bool maySave();

    const QString& path() const { return path_; }
    bool modified() const { return modified_; }
    QStringList recentFiles() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void observe(platform::Form& form);
    void entryChanged(platform::Form& form, const platform::Control* control,
                      platform::Property property);
    void addEntries(QWidget& window);
    void guardExit(QWidget& window, platform::Form& main);
    bool saveTo(const QString& path);
    void setDocument(const QString& path, bool modified);
    void remember(const QString& path);
    void showRecent(QMenu& menu);
    void updateTitle();
    void warn(const QString& title, const QString& text);

    program::Application& application_;
    selection::ApplicationView view_{application_};
    platform::SettingsStore& settings_;
    QWidget* mainWindow_ = nullptr;
    QString path_;
    bool modified_ = false;
    bool entering_ = false; // the program itself is changing the screens: not the user's change
    QAction* newAction_;
    QAction* openAction_;
    QAction* saveAction_;
    QAction* saveAsAction_;
    std::vector<QMenu*> recentMenus_;
    std::vector<std::pair<platform::Form*, std::size_t>> observers_;
};

} // namespace rac::gui
