#include "reports/TextFile.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace orvelan {

namespace {

SaveResult failure(const std::string& path, const std::string& reason) {
    return {SaveStatus::Failed, path + ": " + reason};
}

} // namespace

bool hasExtension(std::string_view path, std::string_view extension) {
    if (path.size() < extension.size()) {
        return false;
    }
    const std::string_view tail = path.substr(path.size() - extension.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        const auto a = static_cast<unsigned char>(tail[i]);
        const auto b = static_cast<unsigned char>(extension[i]);
        if (std::toupper(a) != std::toupper(b)) {
            return false;
        }
    }
    return true;
}

SaveResult writeFileAtomically(const std::string& path, const std::string& content) {
    const std::string temporary = path + ".part";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        return failure(path, std::string("cannot be created: ") + std::strerror(errno));
    }
    const std::size_t written = std::fwrite(content.data(), 1, content.size(), file);
    const int writeError = written != content.size() ? errno : 0;
    if (std::fclose(file) != 0 || writeError != 0 || written != content.size()) {
        const int code = writeError != 0 ? writeError : errno;
        std::remove(temporary.c_str());
        return failure(path, std::string("cannot be written: ") + std::strerror(code));
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::remove(temporary.c_str());
        return failure(path, "cannot be replaced: " + error.message());
    }
    return {};
}

} // namespace orvelan
