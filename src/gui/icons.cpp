#include "gui/icons.h"

#include <array>

namespace rac::gui {

QIcon icon(const QString& name) {
    return QIcon(QStringLiteral(":/icons/") + name + QStringLiteral(".svg"));
}

QIcon pictureIcon(int picture) {
    static const std::array<const char*, 7> names{"selection",  "rating",        "dry", "wet",
                                                  "air-off-db", "effectiveness", "duty"};
    if (picture < 1 || picture > static_cast<int>(names.size())) {
        return {};
    }
    return icon(QString::fromLatin1(names[static_cast<std::size_t>(picture - 1)]));
}

QIcon applicationIcon() {
    return icon(QStringLiteral("rac"));
}

} // namespace rac::gui
