#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

// What poppler's tools read from a PDF file: the same reading a person's PDF viewer does, from a
// program that shares no code with Qt's PDF writer.
namespace rac::gui::testing_support {

inline QString popplerOutput(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << " could not read the file"
                      << " (tools/install-deps tests installs poppler-utils)";
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text, page by page: pages end with a form feed.
inline QString pdfText(const QString& path) {
    return popplerOutput(QStringLiteral("pdftotext"),
                         {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

// "Page size:", "Pages:" and the like.
inline QString pdfInfo(const QString& path) {
    return popplerOutput(QStringLiteral("pdfinfo"), {path});
}

// The fonts the pages use, one a line, after two heading lines.
inline QString pdfFonts(const QString& path) {
    return popplerOutput(QStringLiteral("pdffonts"), {path});
}

} // namespace rac::gui::testing_support
