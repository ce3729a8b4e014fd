#pragma once

#include "platform/help.h"

#include <QWidget>
#include <memory>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace rac::gui {

// The help: its topics, a search over their text, and the page being read.
class HelpWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void showPage(const QString& page);
    // The page on show, by file name ("circuiting.html").
    QString currentPage() const;
    // The titles of the topics the search leaves in the list.
    QStringList listedTopics() const;
    void search(const QString& words);

  private:
    void topicChosen();

    QLineEdit* search_;
    QListWidget* topics_;
    QTextBrowser* browser_;
    QStringList pageTexts_;
};

// Opens the help window at the page a request asks for; a help file the program does not have is
// reported in a message box.
class QtHelpViewer final : public platform::HelpViewer {
  public:
    QtHelpViewer();
    ~QtHelpViewer() override;
    void show(const platform::HelpRequest& request) override;
    // The window, once help has been shown.
    HelpWindow* window() const { return window_.get(); }

  private:
    std::unique_ptr<HelpWindow> window_;
};

} // namespace rac::gui
