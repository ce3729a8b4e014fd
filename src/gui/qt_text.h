#pragma once

#include "platform/colour.h"

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

// The model speaks UTF-8 std::string and RGB colours; Qt speaks QString and QColor.
namespace rac::gui {

inline QString toQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQt(const QString& text) {
    return text.toStdString();
}

inline QColor toQt(platform::Colour colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace rac::gui
