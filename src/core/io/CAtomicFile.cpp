#include "core/io/CAtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace orvelan {

namespace {

std::string reason(int error) { return std::strerror(error); }

std::string temporaryName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

} // namespace

CAtomicFile::CAtomicFile(std::string path) : m_path(std::move(path)) {
    m_tempPath = temporaryName(m_path);
    // "x": never reuse a file some other writer left behind under the same name.
    m_file = std::fopen(m_tempPath.c_str(), "wbx");
    if (m_file == nullptr) {
        fail("cannot be created");
    }
}

CAtomicFile::~CAtomicFile() {
    if (!m_committed) {
        discard();
    }
}

void CAtomicFile::fail(const std::string& what) {
    if (!m_error) {
        m_error = "File '" + m_path + "' " + what + ": " + reason(errno);
    }
}

void CAtomicFile::discard() {
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    std::error_code ignored;
    std::filesystem::remove(m_tempPath, ignored);
}

void CAtomicFile::write(std::string_view bytes) {
    if (m_file == nullptr || m_error) {
        return;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size()) {
        fail("cannot be written");
    }
}

void CAtomicFile::print(const char* format, ...) {
    if (m_file == nullptr || m_error) {
        return;
    }
    va_list arguments;
    va_start(arguments, format);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const int written = std::vfprintf(m_file, format, arguments);
#pragma GCC diagnostic pop
    va_end(arguments);
    if (written < 0) {
        fail("cannot be written");
    }
}

std::optional<std::string> CAtomicFile::commit() {
    if (m_file == nullptr || m_error) {
        discard();
        return m_error;
    }
    const bool flushed = std::fflush(m_file) == 0 && ::fsync(::fileno(m_file)) == 0;
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    if (!flushed || !closed) {
        fail("cannot be written");
        discard();
        return m_error;
    }
    if (std::rename(m_tempPath.c_str(), m_path.c_str()) != 0) {
        fail("cannot replace the old file");
        discard();
        return m_error;
    }
    m_committed = true;
    return std::nullopt;
}

std::optional<std::string> CAtomicFile::writeWhole(const std::string& path,
                                                   std::string_view bytes) {
    CAtomicFile file(path);
    file.write(bytes);
    return file.commit();
}

} // namespace orvelan
