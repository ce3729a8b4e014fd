#include "foundation/file_output.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace rac {

namespace {

std::filesystem::path unusedNameBeside(const std::filesystem::path& target) {
    std::error_code error;
    for (int attempt = 1;; ++attempt) {
        std::filesystem::path candidate = target;
        candidate += ".saving" + std::to_string(attempt);
        if (!std::filesystem::exists(candidate, error)) {
            return candidate;
        }
    }
}

} // namespace

bool writeWholeFile(const std::string& path, std::string_view contents) {
    if (path.empty()) {
        return false;
    }
    const std::filesystem::path target(path);
    std::error_code error;
    if (std::filesystem::is_directory(target, error)) {
        return false;
    }
    const std::filesystem::path temporary = unusedNameBeside(target);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temporary, error);
            return false;
        }
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

} // namespace rac
