#pragma once

#include "foundation/messages.h"
#include "platform/help.h"

#include <QMessageBox>
#include <memory>

namespace rac::gui {

// The message box as a person sees it: the title (the program's name when the form gives none),
// the text as plain text, the information icon or none, OK and, where asked, Help.
std::unique_ptr<QMessageBox> makeMessageBox(const Message& message, QWidget* parent);

// Shows each message as a modal QMessageBox over the active window. Help closes the box and opens
// the help at the message's context: a box that stayed open would keep the help window from
// taking input.
class QtMessageSink final : public MessageSink {
  public:
    explicit QtMessageSink(platform::HelpViewer& help) : help_(help) {}
    void show(const Message& message) override;

  private:
    platform::HelpViewer& help_;
};

} // namespace rac::gui
