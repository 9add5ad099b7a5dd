#include "core/io/ReadFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelan {

int openRegularFile(const std::string& path) {
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return -1;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const int error = errno;
        ::close(fd);
        errno = S_ISREG(status.st_mode) ? error : EINVAL;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

IoResult readFileBytes(const std::string& path, std::string& bytes, std::size_t maxBytes) {
    const int fd = openRegularFile(path);
    if (fd < 0) {
        return IoResult::failure(path, "cannot be opened",
                                 errno == EINVAL ? "it is not a regular file"
                                                 : std::strerror(errno));
    }
    std::string content;
    char buffer[65536];
    int readError = 0;
    for (;;) {
        const ::ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            readError = errno;
            break;
        }
        if (count == 0) {
            break;
        }
        content.append(buffer, static_cast<std::size_t>(count));
        if (content.size() > maxBytes) {
            ::close(fd);
            return IoResult::failure(path, "cannot be read",
                                     "it is larger than " + std::to_string(maxBytes) + " bytes");
        }
    }
    ::close(fd);
    if (readError != 0) {
        return IoResult::failure(path, "cannot be read", std::strerror(readError));
    }
    bytes = std::move(content);
    return {};
}

} // namespace orvelan
