#include "platform/settings_store.h"

#include "foundation/numbers.h"
#include "platform/platform_error.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace rac::platform {

namespace {

bool isPart(std::string_view name) {
    return !name.empty() && name.find('/') == std::string_view::npos;
}

std::string keyOf(std::string_view section, std::string_view value) {
    return std::string(section) + "/" + std::string(value);
}

bool equalsIgnoringCase(std::string_view text, std::string_view word) {
    return text.size() == word.size() &&
           std::equal(text.begin(), text.end(), word.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

} // namespace

std::string MemorySettingsStore::read(std::string_view section, std::string_view value,
                                      std::string_view fallback) const {
    const auto found = entries_.find(keyOf(section, value));
    return found == entries_.end() ? std::string(fallback) : found->second;
}

void MemorySettingsStore::write(std::string_view section, std::string_view value,
                                std::string_view text) {
    if (!isPart(section) || !isPart(value)) {
        throw PlatformError("settings: \"" + keyOf(section, value) +
                            "\" is not a section and value name");
    }
    entries_[keyOf(section, value)] = std::string(text);
}

void MemorySettingsStore::seed(std::string_view key, std::string_view text) {
    const std::size_t slash = key.find('/');
    if (slash == std::string_view::npos) {
        throw PlatformError("settings: \"" + std::string(key) +
                            "\" is not of the form Section/Value");
    }
    write(key.substr(0, slash), key.substr(slash + 1), text);
}

int readWholeNumber(const SettingsStore& store, std::string_view section, std::string_view value,
                    int fallback, int minimum, int maximum) {
    const auto number = numbers::parseNumber(store.read(section, value));
    if (!number || std::floor(*number) != *number || *number < minimum || *number > maximum) {
        return fallback;
    }
    return static_cast<int>(*number);
}

bool readFlag(const SettingsStore& store, std::string_view section, std::string_view value,
              bool fallback) {
    const std::string text = store.read(section, value);
    if (equalsIgnoringCase(text, "True")) {
        return true;
    }
    if (equalsIgnoringCase(text, "False")) {
        return false;
    }
    if (const auto number = numbers::parseNumber(text)) {
        return *number != 0.0;
    }
    return fallback;
}

} // namespace rac::platform
