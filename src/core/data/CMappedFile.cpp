#include "core/data/CMappedFile.h"

#include "core/io/ReadFile.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelan {

namespace {

// The guarded mappings, read by the SIGBUS handler: only lock-free atomics.
struct GuardSlot {
    std::atomic<std::uintptr_t> begin{0};
    std::atomic<std::uintptr_t> end{0};
    std::atomic<bool> cut{false};
};
constexpr std::size_t kGuardSlots = 16;
std::array<GuardSlot, kGuardSlots> g_guards;
std::mutex g_guardMutex; // taken by open and close only, never by the handler
struct sigaction g_previousBusAction {};

void restorePreviousAndReturn(int signal, siginfo_t* info, void* context) {
    if ((g_previousBusAction.sa_flags & SA_SIGINFO) != 0 &&
        g_previousBusAction.sa_sigaction != nullptr) {
        g_previousBusAction.sa_sigaction(signal, info, context);
        return;
    }
    if (g_previousBusAction.sa_handler != SIG_IGN && g_previousBusAction.sa_handler != SIG_DFL &&
        g_previousBusAction.sa_handler != nullptr) {
        g_previousBusAction.sa_handler(signal);
        return;
    }
    // The default action: the fault happens again on return and ends the process as it would
    // have without the guard.
    ::signal(SIGBUS, SIG_DFL);
}

void onBusError(int signal, siginfo_t* info, void* context) {
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    for (GuardSlot& slot : g_guards) {
        const std::uintptr_t begin = slot.begin.load();
        const std::uintptr_t end = slot.end.load();
        if (begin == 0 || address < begin || address >= end) {
            continue;
        }
        // Zero pages from the faulting page to the end of the mapping; the read is retried.
        const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        const std::uintptr_t from = address & ~(page - 1);
        void* zeros = ::mmap(reinterpret_cast<void*>(from), end - from, PROT_READ,
                             MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
        if (zeros == MAP_FAILED) {
            break;
        }
        slot.cut.store(true);
        return;
    }
    restorePreviousAndReturn(signal, info, context);
}

/// Puts a mapping under the guard; -1 when every slot is taken (the mapping is then unguarded).
int guard(const std::uint8_t* data, std::size_t size) {
    const std::lock_guard lock(g_guardMutex);
    static const bool installed = [] {
        struct sigaction action {};
        action.sa_sigaction = onBusError;
        action.sa_flags = SA_SIGINFO | SA_NODEFER;
        sigemptyset(&action.sa_mask);
        return ::sigaction(SIGBUS, &action, &g_previousBusAction) == 0;
    }();
    if (!installed) {
        return -1;
    }
    for (std::size_t i = 0; i < g_guards.size(); ++i) {
        if (g_guards[i].begin.load() == 0) {
            g_guards[i].cut.store(false);
            g_guards[i].end.store(reinterpret_cast<std::uintptr_t>(data) + size);
            g_guards[i].begin.store(reinterpret_cast<std::uintptr_t>(data));
            return static_cast<int>(i);
        }
    }
    return -1;
}

void unguard(int slot) {
    const std::lock_guard lock(g_guardMutex);
    g_guards[static_cast<std::size_t>(slot)].begin.store(0);
    g_guards[static_cast<std::size_t>(slot)].end.store(0);
}

} // namespace

CMappedFile::~CMappedFile() { close(); }

CMappedFile::Identity CMappedFile::identityOf(const struct stat& status) {
    return {static_cast<unsigned long long>(status.st_dev),
            static_cast<unsigned long long>(status.st_ino), static_cast<long long>(status.st_size),
            static_cast<long long>(status.st_mtim.tv_sec), status.st_mtim.tv_nsec};
}

IoResult CMappedFile::open(const std::string& path) {
    close();
    m_missing = false;
    const auto failure = [&path](const char* reason) {
        return IoResult::failure(path, "cannot be read", reason);
    };
    const int fd = openRegularFile(path);
    if (fd < 0) {
        m_missing = errno == ENOENT;
        return failure(errno == EINVAL ? "not a regular file" : std::strerror(errno));
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        const IoResult failed = failure(std::strerror(errno));
        ::close(fd);
        return failed;
    }
    const auto size = static_cast<std::size_t>(status.st_size);
    if (size > 0) {
        void* mapping = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (mapping == MAP_FAILED) {
            const IoResult failed = failure(std::strerror(errno));
            ::close(fd);
            return failed;
        }
        m_data = static_cast<const std::uint8_t*>(mapping);
        m_guard = guard(m_data, size);
    }
    ::close(fd); // the mapping stays valid without the descriptor
    m_path = path;
    m_identity = identityOf(status);
    m_size = size;
    m_open = true;
    return {};
}

void CMappedFile::close() {
    if (m_guard >= 0) {
        unguard(m_guard);
        m_guard = -1;
    }
    if (m_data != nullptr) {
        ::munmap(const_cast<std::uint8_t*>(m_data), m_size);
    }
    m_data = nullptr;
    m_size = 0;
    m_open = false;
}

bool CMappedFile::wasCut() const {
    return m_guard >= 0 && g_guards[static_cast<std::size_t>(m_guard)].cut.load();
}

bool CMappedFile::changedOnDisk() const {
    if (!m_open) {
        return false;
    }
    struct stat status {};
    return ::stat(m_path.c_str(), &status) != 0 || !(identityOf(status) == m_identity);
}

} // namespace orvelan
