#pragma once

#include <sys/resource.h>

namespace orvelan::test {

/// While it lives, every write past limit bytes of a file fails with EFBIG, as a write to a
/// full disk fails; the signal such a write raises is ignored.
class FullDisk {
  public:
    explicit FullDisk(rlim_t limit);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

  private:
    rlimit m_old{};
    void (*m_handler)(int) = nullptr;
};

} // namespace orvelan::test
