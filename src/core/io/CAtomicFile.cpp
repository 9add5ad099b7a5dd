#include "core/io/CAtomicFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelan {

namespace {

std::string reason(int error) { return std::strerror(error); }

/// A name beside the file for its temporary copy. The file's own name is cut where the two
/// together would be longer than the folder's longest name, so that a name of 250 characters
/// can still be written.
std::string temporaryName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    const std::string suffix =
        ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::string folder = nameStart == 0 ? std::string(".") : path.substr(0, nameStart);
    const long folderMax = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    const std::size_t nameMax = folderMax > 0 ? static_cast<std::size_t>(folderMax) : 255;
    if (path.size() - nameStart + suffix.size() > nameMax && suffix.size() < nameMax) {
        return path.substr(0, nameStart + nameMax - suffix.size()) + suffix;
    }
    return path + suffix;
}

/// The file a write replaces: the path itself or, for a symbolic link, the file it points to,
/// so that the link stays a link and its target gets the new bytes.
std::string replacedFile(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path current = path;
    for (int hops = 0; hops < 40; ++hops) { // the system's own limit on a chain of links
        std::error_code error;
        if (!fs::is_symlink(current, error)) {
            break;
        }
        const fs::path link = fs::read_symlink(current, error);
        if (error) {
            break;
        }
        current = link.is_absolute() ? link : current.parent_path() / link;
    }
    return current.string();
}

} // namespace

CAtomicFile::CAtomicFile(std::string path)
    : m_path(std::move(path)), m_target(replacedFile(m_path)) {
    m_tempPath = temporaryName(m_target);
    // "x": never reuse a file some other writer left behind under the same name.
    m_file = std::fopen(m_tempPath.c_str(), "wbx");
    if (m_file == nullptr) {
        fail("cannot be created");
        return;
    }
    // A replaced file keeps who may read and write it (a private 0600 file stays private).
    struct stat old {};
    if (::stat(m_target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(::fileno(m_file), old.st_mode & 07777);
    }
}

CAtomicFile::~CAtomicFile() {
    if (!m_committed) {
        discard();
    }
}

void CAtomicFile::fail(const std::string& what) {
    if (m_result.ok()) {
        m_result = IoResult::failure(m_path, what, reason(errno));
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
    if (m_file == nullptr || failed()) {
        return;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size()) {
        fail("cannot be written");
    }
}

void CAtomicFile::print(const char* format, ...) {
    if (m_file == nullptr || failed()) {
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

bool CAtomicFile::finish(bool sync) {
    if (failed()) {
        return false;
    }
    if (m_file == nullptr) {
        return m_closed && (!sync || syncClosed());
    }
    const bool flushed =
        std::fflush(m_file) == 0 && (!sync || ::fsync(::fileno(m_file)) == 0);
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    if (!flushed || !closed) {
        fail("cannot be written");
        return false;
    }
    m_closed = !sync;
    return true;
}

bool CAtomicFile::closeTemporary() { return finish(false); }

bool CAtomicFile::syncClosed() {
    const int descriptor = ::open(m_tempPath.c_str(), O_RDONLY | O_CLOEXEC);
    const bool synced = descriptor >= 0 && ::fsync(descriptor) == 0;
    if (descriptor >= 0) {
        ::close(descriptor);
    }
    if (!synced) {
        fail("cannot be written");
    }
    m_closed = !synced;
    return synced;
}

IoResult CAtomicFile::syncGroup(const std::vector<CAtomicFile*>& files) {
    // A few files are synced each on its own: a file system sync would also wait for
    // whatever else is being written there.
    constexpr std::size_t kSyncedOneByOne = 8;
#ifdef __linux__
    if (files.size() > kSyncedOneByOne) {
        return syncFileSystems(files);
    }
#endif
    for (CAtomicFile* file : files) {
        if (!file->syncClosed()) {
            return file->m_result;
        }
    }
    return {};
}

#ifdef __linux__
IoResult CAtomicFile::syncFileSystems(const std::vector<CAtomicFile*>& files) {
    // One syncfs per file system writes every file of the group out and waits for it, which
    // costs about what one fsync does instead of one per file.
    std::vector<dev_t> synced;
    for (CAtomicFile* file : files) {
        struct stat status {};
        if (::stat(file->m_tempPath.c_str(), &status) != 0) {
            file->fail("cannot be written");
            return file->m_result;
        }
        if (std::find(synced.begin(), synced.end(), status.st_dev) != synced.end()) {
            file->m_closed = false;
            continue;
        }
        const int descriptor = ::open(file->m_tempPath.c_str(), O_RDONLY | O_CLOEXEC);
        const bool ok = descriptor >= 0 && ::syncfs(descriptor) == 0;
        if (descriptor >= 0) {
            ::close(descriptor);
        }
        if (!ok) {
            file->fail("cannot be written");
            return file->m_result;
        }
        synced.push_back(status.st_dev);
        file->m_closed = false;
    }
    return {};
}
#endif

IoResult CAtomicFile::commit() {
    if (!finish(true)) {
        discard();
        return m_result;
    }
    if (std::rename(m_tempPath.c_str(), m_target.c_str()) != 0) {
        fail("cannot replace the old file");
        discard();
        return m_result;
    }
    m_committed = true;
    return {};
}

IoResult CAtomicFile::commitTogether(const std::vector<CAtomicFile*>& files) {
    IoResult failure;
    for (CAtomicFile* file : files) {
        if (failure.ok() && !file->finish(false)) {
            failure = file->m_result;
        }
    }
    if (failure.ok()) {
        failure = syncGroup(files);
    }
    if (!failure.ok()) {
        for (CAtomicFile* file : files) {
            file->discard();
        }
        return failure;
    }
    // Each old target keeps a second name until every rename has succeeded, so that the
    // targets already replaced can be put back.
    struct Backup {
        std::string path; // empty: none made
        bool hadOld = false;
    };
    std::vector<Backup> backups;
    for (CAtomicFile* file : files) {
        Backup backup{temporaryName(file->m_target), true};
        if (::link(file->m_target.c_str(), backup.path.c_str()) != 0) {
            backup.hadOld = errno != ENOENT;
            backup.path.clear();
        }
        backups.push_back(std::move(backup));
    }
    std::size_t renamed = 0;
    for (CAtomicFile* file : files) {
        if (std::rename(file->m_tempPath.c_str(), file->m_target.c_str()) != 0) {
            file->fail("cannot replace the old file");
            failure = file->m_result;
            break;
        }
        file->m_committed = true;
        ++renamed;
    }
    std::size_t index = 0;
    for (CAtomicFile* file : files) {
        const Backup& backup = backups[index];
        if (!failure.ok() && index < renamed) {
            if (!backup.path.empty()) {
                std::rename(backup.path.c_str(), file->m_target.c_str());
            } else if (!backup.hadOld) {
                std::remove(file->m_target.c_str());
            }
            file->m_committed = false;
        } else if (!backup.path.empty()) {
            std::remove(backup.path.c_str());
        }
        if (!failure.ok()) {
            file->discard();
        }
        ++index;
    }
    return failure;
}

IoResult CAtomicFile::writeWhole(const std::string& path, std::string_view bytes) {
    CAtomicFile file(path);
    file.write(bytes);
    return file.commit();
}

} // namespace orvelan
