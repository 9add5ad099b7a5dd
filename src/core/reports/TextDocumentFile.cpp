#include "core/reports/TextDocumentFile.h"

#include "core/io/ReadFile.h"

#include <filesystem>

namespace orvelan {

IoResult readTextDocument(const std::string& path, std::string& text) {
    std::error_code code;
    if (std::filesystem::is_directory(path, code)) {
        return IoResult::failure(path, "cannot be read", "it is a folder");
    }
    std::string bytes;
    if (IoResult read = readFileBytes(path, bytes); !read.ok()) {
        return read;
    }
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
    return {};
}

} // namespace orvelan
