#include "foundation/file_output.h"

#include <cerrno>
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

// The reason the system gave for the stream's last failure. The streams keep no error of their
// own, so errno is read straight after the call that failed.
WriteResult systemFailure(int error) {
    if (error == 0) {
        return {"the file could not be written"};
    }
    return {std::generic_category().message(error)};
}

} // namespace

WriteResult writeWholeFile(const std::string& path, std::string_view contents) {
    if (path.empty()) {
        return {"no file name was given"};
    }
    const std::filesystem::path target(path);
    std::error_code error;
    if (std::filesystem::is_directory(target, error)) {
        return {"it is a folder"};
    }
    const std::filesystem::path temporary = unusedNameBeside(target);
    {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return systemFailure(errno);
        }
        out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        out.close();
        if (!out) {
            const WriteResult failed = systemFailure(errno);
            std::filesystem::remove(temporary, error);
            return failed;
        }
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return {error.message()};
    }
    return {};
}

} // namespace rac
