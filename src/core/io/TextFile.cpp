#include "core/io/TextFile.h"

#include "core/io/CAtomicFile.h"

#include <cctype>
#include <memory>

namespace orvelan {

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
    return CAtomicFile::writeWhole(path, content);
}

} // namespace orvelan

namespace orvelan {

SaveResult writeFilesTogether(const std::vector<std::pair<std::string, std::string>>& files) {
    std::vector<std::unique_ptr<CAtomicFile>> writers;
    std::vector<CAtomicFile*> pointers;
    for (const auto& [path, content] : files) {
        writers.push_back(std::make_unique<CAtomicFile>(path));
        writers.back()->write(content);
        // Closed at once, so that a batch of any size holds no file open.
        writers.back()->closeTemporary();
        pointers.push_back(writers.back().get());
    }
    return CAtomicFile::commitTogether(pointers);
}

std::string_view trimmedText(std::string_view text, std::string_view blanks) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string quotedField(std::string_view text, char separator) {
    if (text.find_first_of("\"\r\n") == std::string_view::npos &&
        text.find(separator) == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

} // namespace orvelan
