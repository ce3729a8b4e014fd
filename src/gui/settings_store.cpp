#include "gui/settings_store.h"

#include "gui/qt_text.h"
#include "platform/platform_error.h"

#include <QStringList>

namespace rac::gui {

namespace {

bool isName(std::string_view name) {
    return !name.empty() && name.find('/') == std::string_view::npos &&
           name.find('\\') == std::string_view::npos;
}

QString keyOf(std::string_view section, std::string_view value) {
    return toQt(section) + QLatin1Char('/') + toQt(value);
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QStringLiteral("ZYLRAC"), QStringLiteral("ZYLRAC"))) {}

QtSettingsStore::QtSettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

std::string QtSettingsStore::read(std::string_view section, std::string_view value,
                                  std::string_view fallback) const {
    if (!isName(section) || !isName(value) || settings_->status() != QSettings::NoError) {
        return std::string(fallback);
    }
    const QVariant stored = settings_->value(keyOf(section, value));
    if (!stored.isValid()) {
        return std::string(fallback);
    }
    // A hand-edited value with a comma reads back as a list: it is still the one text.
    if (stored.userType() == QMetaType::QStringList) {
        return fromQt(stored.toStringList().join(QStringLiteral(", ")));
    }
    if (!stored.canConvert<QString>()) {
        return std::string(fallback);
    }
    return fromQt(stored.toString());
}

void QtSettingsStore::write(std::string_view section, std::string_view value,
                            std::string_view text) {
    if (!isName(section) || !isName(value)) {
        throw platform::PlatformError("settings: \"" + std::string(section) + "/" +
                                      std::string(value) + "\" is not a section and value name");
    }
    // QSettings writes its changes at the next turn of the event loop, and at the latest when the
    // store goes: the values a command writes go to disk together, after the window has shown
    // what the command did, rather than one file write each while the person waits.
    settings_->setValue(keyOf(section, value), toQt(text));
}

} // namespace rac::gui
