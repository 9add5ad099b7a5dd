#include "FullDisk.h"

#include <csignal>

namespace orvelan::test {

FullDisk::FullDisk(rlim_t limit) {
    m_handler = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit small = m_old;
    small.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &small);
}

FullDisk::~FullDisk() {
    ::setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_handler);
}

} // namespace orvelan::test
