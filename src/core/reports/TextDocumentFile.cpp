#include "reports/TextDocumentFile.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
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

std::optional<std::string> writeTextDocument(const std::string& path, std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        bytes += text[i];
    }
    const std::string temporary = path + ".tmp";
    {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return "Cannot write " + path + ": " + reason();
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::remove(temporary.c_str());
            return "Cannot write " + path + ": write error";
        }
    }
    std::error_code code;
    std::filesystem::rename(temporary, path, code);
    if (code) {
        std::remove(temporary.c_str());
        return "Cannot write " + path + ": " + code.message();
    }
    return std::nullopt;
}

bool endsWithExtension(std::string_view name, std::string_view extension) {
    if (name.size() < extension.size()) {
        return false;
    }
    const std::string_view tail = name.substr(name.size() - extension.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(tail[i])) !=
            std::toupper(static_cast<unsigned char>(extension[i]))) {
            return false;
        }
    }
    return true;
}

} // namespace orvelan
