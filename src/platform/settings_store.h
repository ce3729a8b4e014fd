#pragma once

#include <map>
#include <string>
#include <string_view>

// The per-user settings store: sections of named text values, kept between runs.
namespace rac::platform {

// The application name the desktop store files the settings under.
inline constexpr std::string_view settingsApplication = "ZYLRAC";

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The text stored under section and value name, or the fallback when none is stored.
    virtual std::string read(std::string_view section, std::string_view value,
                             std::string_view fallback = {}) const = 0;
    virtual void write(std::string_view section, std::string_view value, std::string_view text) = 0;
};

// Keeps the settings in memory, keyed "Section/Value" as a script gives them. Section and value
// names are non-empty and hold no '/'; write and seed throw PlatformError otherwise.
class MemorySettingsStore final : public SettingsStore {
  public:
    std::string read(std::string_view section, std::string_view value,
                     std::string_view fallback = {}) const override;
    void write(std::string_view section, std::string_view value, std::string_view text) override;

    // Stores a text under a "Section/Value" key.
    void seed(std::string_view key, std::string_view text);
    // Forgets every setting, as a fresh store.
    void clear() { entries_.clear(); }
    const std::map<std::string, std::string, std::less<>>& entries() const { return entries_; }

  private:
    std::map<std::string, std::string, std::less<>> entries_;
};

// A whole number from minimum to maximum; a missing, non-numeric, fractional or out-of-range text
// gives the fallback.
int readWholeNumber(const SettingsStore& store, std::string_view section, std::string_view value,
                    int fallback, int minimum, int maximum);

// "True" or "False" in any letter case, or a number (0 is false); anything else gives the fallback.
bool readFlag(const SettingsStore& store, std::string_view section, std::string_view value,
              bool fallback);

} // namespace rac::platform
