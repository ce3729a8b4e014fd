#include "platform/dialog_answers.h"

#include "platform/platform_error.h"

namespace rac::platform {

void DialogAnswers::enqueue(DialogAnswer answer) {
    queue_.push_back(std::move(answer));
}

std::optional<std::string> DialogAnswers::take(DialogKind dialog) {
    if (queue_.empty()) {
        return std::nullopt;
    }
    const DialogAnswer& next = queue_.front();
    if (next.kind == DialogAnswer::Kind::Save && dialog == DialogKind::ChoosePrinter) {
        throw PlatformError("a printer dialog was shown but the next answer saves to \"" +
                            next.path + "\"");
    }
    if (next.kind == DialogAnswer::Kind::Print && dialog == DialogKind::SaveFile) {
        throw PlatformError("a save dialog was shown but the next answer prints to \"" + next.path +
                            "\"");
    }
    std::optional<std::string> path;
    if (next.kind != DialogAnswer::Kind::Cancel) {
        path = next.path;
    }
    queue_.pop_front();
    return path;
}

} // namespace rac::platform
