#include "platform/file_dialogs.h"

namespace rac::platform {

std::optional<std::string> AnsweredFileDialogs::saveFile(const SaveDialog& dialog) {
    shown_.push_back(dialog);
    return answers_.take(DialogKind::SaveFile);
}

} // namespace rac::platform
