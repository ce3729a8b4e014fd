#pragma once

#include "platform/settings_store.h"

#include <QSettings>
#include <memory>

namespace rac::gui {

// The per-user settings store on QSettings: organisation and application "ZYLRAC", one group per
// section. A store that is missing, cannot be read or is malformed reads as the callers' defaults;
// a failed write is dropped, as the screens expect of the store.
class QtSettingsStore final : public platform::SettingsStore {
  public:
    QtSettingsStore();
    // A store in the given INI file, for tests.
    explicit QtSettingsStore(const QString& iniFile);

    std::string read(std::string_view section, std::string_view value,
                     std::string_view fallback = {}) const override;
    void write(std::string_view section, std::string_view value, std::string_view text) override;

  private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace rac::gui
