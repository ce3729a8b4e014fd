#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace rac::gui::testing_support {

// A file's bytes (a resource path too); empty when it cannot be read.
inline QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace rac::gui::testing_support
