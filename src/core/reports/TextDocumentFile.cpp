#include "core/reports/TextDocumentFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace orvelan {

namespace {

std::string reason() { return errno != 0 ? std::strerror(errno) : "unknown error"; }

} // namespace

std::optional<std::string> readTextDocument(const std::string& path, std::string& text) {
    std::error_code code;
    if (std::filesystem::is_directory(path, code)) {
        return "Cannot read " + path + ": it is a folder";
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return "Cannot read " + path + ": " + reason();
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        return "Cannot read " + path + ": read error";
    }
    const std::string bytes = content.str();
    text.clear();
    text.reserve(bytes.size() + bytes.size() / 40);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            continue;
        }
        if (bytes[i] == '\n') {
            text += "\r\n";
        } else {
            text += bytes[i];
        }
    }
    return std::nullopt;
}

} // namespace orvelan
