#include "mainscreen/os_name.h"

#include <fstream>
#include <sstream>

#if __has_include(<sys/utsname.h>)
#include <sys/utsname.h>
#define RAC_HAS_UNAME 1
#endif

namespace rac::mainscreen {

namespace {

constexpr std::string_view kKey = "PRETTY_NAME=";

// A shell-style value: quoted with " or ', or bare; a backslash keeps the next character.
std::string unquoted(std::string_view value) {
    const char quote =
        !value.empty() && (value.front() == '"' || value.front() == '\'') ? value.front() : '\0';
    if (quote != '\0') {
        value.remove_prefix(1);
    }
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == quote) {
            break;
        }
        if (c == '\\' && quote != '\'' && i + 1 < value.size()) {
            out += value[++i];
        } else if (static_cast<unsigned char>(c) >= 0x20) { // no control characters on a label
            out += c;
        }
    }
    return out;
}

std::optional<std::string> prettyNameOfFile(const char* path) {
    std::ifstream file(path);
    if (!file) {
        return std::nullopt;
    }
    std::ostringstream contents;
    contents << file.rdbuf();
    return prettyNameFromOsRelease(contents.str());
}

std::optional<std::string> kernelName() {
#ifdef RAC_HAS_UNAME
    utsname names{};
    if (uname(&names) == 0 && names.sysname[0] != '\0') {
        return std::string(names.sysname);
    }
#endif
    return std::nullopt;
}

} // namespace

std::optional<std::string> prettyNameFromOsRelease(std::string_view contents) {
    std::optional<std::string> found;
    while (!contents.empty()) {
        const std::size_t end = contents.find('\n');
        std::string_view line = contents.substr(0, end);
        contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.starts_with(kKey)) {
            std::string name = unquoted(line.substr(kKey.size()));
            // A later assignment overrides an earlier one, as a shell reading the file would.
            found = name.empty() ? std::nullopt : std::optional<std::string>(std::move(name));
        }
    }
    return found;
}

std::string operatingSystemName() {
    for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
        if (auto name = prettyNameOfFile(path)) {
            return *name;
        }
    }
    return kernelName().value_or("unknown");
}

std::string platformCaption() {
    return "Platform: " + operatingSystemName();
}

} // namespace rac::mainscreen
