#pragma once

#include "platform/help.h"

#include <QString>
#include <optional>
#include <vector>

namespace rac::gui {

struct HelpTopic {
    QString page; // file name under :/help/
    QString title;
};

// The pages of the program's help, in the order of its contents.
const std::vector<HelpTopic>& helpTopics();

// The page a help request opens: the contents, or the topic of a context (1 is circuiting, 2 the
// costing; an unknown context opens the contents). Nothing when the request names a help file other
// than the program's own "ZYLRAC.hlp" (any letter case, any folder).
std::optional<QString> helpPageFor(const platform::HelpRequest& request);

QString helpUrl(const QString& page);

} // namespace rac::gui
