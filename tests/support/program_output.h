#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace rac::test {

// What a program wrote on its standard output; nullopt when it could not be run or failed.
inline std::optional<std::string> outputOf(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return std::nullopt;
    }
    std::string out;
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        out.append(buffer, read);
    }
    return pclose(pipe) == 0 ? std::optional(out) : std::nullopt;
}

} // namespace rac::test
