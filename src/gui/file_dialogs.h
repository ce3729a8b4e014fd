#pragma once

#include "platform/file_dialogs.h"

#include <QStringList>
#include <string_view>

namespace rac::gui {

// A filter as the forms give it, "Rich Text Format (*.rtf)|*.rtf|", as Qt's name filters:
// {"Rich Text Format (*.rtf)"}. Several patterns ("*.rtf;*.doc") become one space-separated list.
QStringList qtNameFilters(std::string_view filter);

// The save dialog: QFileDialog with the form's title and filters, its entry filterIndex (from 1)
// selected, the first pattern's suffix added to a bare name, and the question before replacing an
// existing file.
// The open dialog: QFileDialog with the title and the filters, for a file that exists. Nothing
// when cancelled.
std::optional<std::string> chooseFileToOpen(std::string_view title, std::string_view filter);

class QtFileDialogs final : public platform::FileDialogs {
  public:
    std::optional<std::string> saveFile(const platform::SaveDialog& dialog) override;
};

} // namespace rac::gui
