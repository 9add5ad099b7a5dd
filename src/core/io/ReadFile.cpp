#include "core/io/ReadFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace orvelan {

std::optional<std::string> readFileBytes(const std::string& path, std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return "File '" + path + "' cannot be opened: " + std::strerror(errno);
    }
    std::string content;
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        content.append(buffer, count);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return "File '" + path + "' cannot be read";
    }
    bytes = std::move(content);
    return std::nullopt;
}

} // namespace orvelan
