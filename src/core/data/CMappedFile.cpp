#include "core/data/CMappedFile.h"

#include "core/io/ReadFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelan {

CMappedFile::~CMappedFile() { close(); }

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
    }
    ::close(fd); // the mapping stays valid without the descriptor
    m_size = size;
    m_open = true;
    return {};
}

void CMappedFile::close() {
    if (m_data != nullptr) {
        ::munmap(const_cast<std::uint8_t*>(m_data), m_size);
    }
    m_data = nullptr;
    m_size = 0;
    m_open = false;
}

} // namespace orvelan
