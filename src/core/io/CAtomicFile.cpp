#include "core/io/CAtomicFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdarg>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelan {

namespace {

std::string reason(int error) { return std::strerror(error); }

/// The longest name the folder of a path takes.
std::size_t folderNameMax(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
    const long folderMax = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return folderMax > 0 ? static_cast<std::size_t>(folderMax) : 255;
}

/// A name beside the file for its temporary copy. The file's own name is cut where the two
/// together would be longer than the folder's longest name, so that a name of 250 characters
/// can still be written.
std::string temporaryName(const std::string& path, std::size_t nameMax) {
    static std::atomic<unsigned> counter{0};
    const std::string suffix =
        ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (path.size() - nameStart + suffix.size() > nameMax && suffix.size() < nameMax) {
        return path.substr(0, nameStart + nameMax - suffix.size()) + suffix;
    }
    return path + suffix;
}

// The temporaries being written, for a signal handler to remove: plain arrays and lock-free
// atomics, which a handler may touch. A slot is 0 free, 1 being filled, 2 pending.
constexpr std::size_t kPendingSlots = 1024;
struct PendingSlot {
    std::atomic<int> state{0};
    char path[PATH_MAX];
};
PendingSlot g_pending[kPendingSlots];

int registerPending(const std::string& path) {
    if (path.size() >= PATH_MAX) {
        return -1;
    }
    for (std::size_t i = 0; i < kPendingSlots; ++i) {
        int expected = 0;
        if (g_pending[i].state.compare_exchange_strong(expected, 1)) {
            std::memcpy(g_pending[i].path, path.c_str(), path.size() + 1);
            g_pending[i].state.store(2);
            return static_cast<int>(i);
        }
    }
    return -1; // more at once than a handler keeps track of: such a file is only not removed
}

void unregisterPending(int& slot) {
    if (slot >= 0) {
        g_pending[static_cast<std::size_t>(slot)].state.store(0);
        slot = -1;
    }
}

extern "C" void removeTemporariesAndDie(int signal) {
    CAtomicFile::removePendingTemporaries();
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    ::sigemptyset(&standard.sa_mask);
    ::sigaction(signal, &standard, nullptr);
    ::raise(signal);
}

/// The process that wrote a temporary "NAME.tmp-PID-N", or 0 when the name is not one.
pid_t temporaryOwner(const std::string& name, std::string& prefix) {
    const std::size_t mark = name.rfind(".tmp-");
    if (mark == std::string::npos || mark == 0) {
        return 0;
    }
    std::size_t at = mark + 5;
    long pid = 0;
    while (at < name.size() && name[at] >= '0' && name[at] <= '9' && pid < 100000000) {
        pid = pid * 10 + (name[at++] - '0');
    }
    if (at == mark + 5 || at >= name.size() || name[at] != '-' || at + 1 == name.size() ||
        name.find_first_not_of("0123456789", at + 1) != std::string::npos) {
        return 0;
    }
    prefix = name.substr(0, mark);
    return static_cast<pid_t>(pid);
}

/// Removes the temporaries of a target that a process no longer running left behind (killed
/// before it could clean up). Each folder is listed once per process.
void removeStaleTemporaries(const std::string& target, std::size_t nameMax) {
    namespace fs = std::filesystem;
    static std::mutex mutex;
    static std::map<std::string, std::vector<std::pair<std::string, std::string>>> staleByFolder;
    const fs::path path(target);
    const std::string folder = path.has_parent_path() ? path.parent_path().string() : ".";
    const std::string name = path.filename().string();
    const std::lock_guard lock(mutex);
    auto found = staleByFolder.find(folder);
    if (found == staleByFolder.end()) {
        std::vector<std::pair<std::string, std::string>> stale; // (prefix, file)
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error)) {
            std::string prefix;
            const std::string entry = it->path().filename().string();
            const pid_t owner = temporaryOwner(entry, prefix);
            if (owner > 0 && owner != ::getpid() && ::kill(owner, 0) != 0 && errno == ESRCH) {
                stale.emplace_back(prefix, it->path().string());
            }
        }
        found = staleByFolder.emplace(folder, std::move(stale)).first;
    }
    auto& stale = found->second;
    for (auto it = stale.begin(); it != stale.end();) {
        const std::string& prefix = it->first;
        const bool cut = fs::path(it->second).filename().string().size() == nameMax;
        if (prefix == name || (cut && !prefix.empty() && name.starts_with(prefix))) {
            std::error_code ignored;
            fs::remove(it->second, ignored);
            it = stale.erase(it);
        } else {
            ++it;
        }
    }
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
    m_nameMax = folderNameMax(m_target);
    m_tempPath = temporaryName(m_target, m_nameMax);
    removeStaleTemporaries(m_target, m_nameMax);
    // "x": never reuse a file some other writer left behind under the same name.
    m_file = std::fopen(m_tempPath.c_str(), "wbx");
    if (m_file == nullptr) {
        fail("cannot be created");
        return;
    }
    m_pendingSlot = registerPending(m_tempPath);
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
    unregisterPending(m_pendingSlot);
}

void CAtomicFile::removePendingTemporaries() noexcept {
    for (PendingSlot& slot : g_pending) {
        if (slot.state.load() == 2) {
            ::unlink(slot.path);
        }
    }
}

void CAtomicFile::removeTemporariesOnSignals() {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction current {};
        // A signal the caller ignores (nohup) stays ignored.
        if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) {
            continue;
        }
        struct sigaction handler {};
        handler.sa_handler = removeTemporariesAndDie;
        ::sigemptyset(&handler.sa_mask);
        ::sigaction(signal, &handler, nullptr);
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
    const bool flushed = std::fflush(m_file) == 0 && (!sync || ::fsync(::fileno(m_file)) == 0);
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
        Backup backup{temporaryName(file->m_target, file->m_nameMax), true};
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
