#pragma once

#include "platform/dialog_answers.h"

#include <optional>
#include <string>
#include <vector>

namespace rac::platform {

struct SaveDialog {
    std::string title;
    std::string filter;  // "Rich Text Format (*.rtf)|*.rtf|"
    int filterIndex = 1; // the filter entry selected at first, from 1

    friend bool operator==(const SaveDialog&, const SaveDialog&) = default;
};

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The file the user chose, or nothing when the dialog was cancelled.
    virtual std::optional<std::string> saveFile(const SaveDialog& dialog) = 0;
};

// Answers from the queue and keeps every dialog shown.
class AnsweredFileDialogs final : public FileDialogs {
  public:
    explicit AnsweredFileDialogs(DialogAnswers& answers) : answers_(answers) {}
    std::optional<std::string> saveFile(const SaveDialog& dialog) override;
    const std::vector<SaveDialog>& shown() const { return shown_; }

  private:
    DialogAnswers& answers_;
    std::vector<SaveDialog> shown_;
};

} // namespace rac::platform
