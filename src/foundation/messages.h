#pragma once

#include <string>
#include <utility>
#include <vector>

// The message box service: the engine and the forms hand a message to whoever listens; the
// desktop shows a modal box, the tests and rac-cli record it. Every box is answered with OK.
namespace rac {

enum class MessageIcon { None, Information };
enum class MessageButton { OK, Help };

struct Message {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::Information;
    std::vector<MessageButton> buttons{MessageButton::OK};
    std::string helpFile; // relative to the program's folder; empty when there is no Help button
    int helpContext = 0;

    friend bool operator==(const Message&, const Message&) = default;
};

// The ordinary box: information icon and OK.
inline Message information(std::string title, std::string text) {
    Message message; // member by member: a partial brace list trips -Wmissing-field-initializers
    message.title = std::move(title);
    message.text = std::move(text);
    return message;
}

// OK only, no icon.
inline Message okOnly(std::string title, std::string text) {
    Message message = information(std::move(title), std::move(text));
    message.icon = MessageIcon::None;
    return message;
}

// OK and Help, no icon; Help opens the help file at the context.
inline Message withHelpButton(std::string title, std::string text, std::string helpFile,
                              int helpContext) {
    Message message = okOnly(std::move(title), std::move(text));
    message.buttons.push_back(MessageButton::Help);
    message.helpFile = std::move(helpFile);
    message.helpContext = helpContext;
    return message;
}

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void show(const Message& message) = 0;
};

// Keeps every message in the order shown.
class RecordingMessageSink final : public MessageSink {
  public:
    void show(const Message& message) override { shown_.push_back(message); }
    const std::vector<Message>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

  private:
    std::vector<Message> shown_;
};

} // namespace rac
