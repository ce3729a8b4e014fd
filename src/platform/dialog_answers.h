#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

// Replies to file and printer dialogs given in advance, for running without a window system.
namespace rac::platform {

enum class DialogKind { SaveFile, ChoosePrinter };

struct DialogAnswer {
    enum class Kind { Save, Print, Cancel };
    Kind kind = Kind::Cancel;
    std::string path; // the file to save, or the file a print goes to

    static DialogAnswer save(std::string path) { return {Kind::Save, std::move(path)}; }
    static DialogAnswer print(std::string path) { return {Kind::Print, std::move(path)}; }
    static DialogAnswer cancel() { return {}; }

    friend bool operator==(const DialogAnswer&, const DialogAnswer&) = default;
};

class DialogAnswers {
  public:
    void enqueue(DialogAnswer answer);
    std::size_t pending() const { return queue_.size(); }

    // Answers the next dialog of this kind with the next queued answer: its path, or nothing when
    // it cancels. With no answer queued the dialog is cancelled, so nothing is written unasked.
    // An answer meant for the other kind of dialog throws PlatformError and stays queued.
    std::optional<std::string> take(DialogKind dialog);

  private:
    std::deque<DialogAnswer> queue_;
};

} // namespace rac::platform
