#include "COutputBuffer.h"

#include "CliError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ostream>
#include <unistd.h>

namespace orvelan::cli {

COutputBuffer::COutputBuffer(int descriptor)
    : m_descriptor(descriptor), m_lineBuffered(::isatty(descriptor) == 1) {
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

COutputBuffer::~COutputBuffer() { drain(); }

bool COutputBuffer::writeAll(const char* data, std::size_t size) {
    if (m_error != 0) {
        return false;
    }
    while (size > 0) {
        const ssize_t written = ::write(m_descriptor, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            m_error = errno;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool COutputBuffer::drain() {
    const bool written = writeAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    // What could not be written is dropped: it never will be, and the stream says so.
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return written;
}

COutputBuffer::int_type COutputBuffer::overflow(int_type c) {
    if (!drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
        if (m_lineBuffered && traits_type::to_char_type(c) == '\n' && !drain()) {
            return traits_type::eof();
        }
    }
    return traits_type::not_eof(c);
}

std::streamsize COutputBuffer::xsputn(const char* text, std::streamsize count) {
    if (m_error != 0) {
        return 0;
    }
    const auto size = static_cast<std::size_t>(count);
    const auto room = static_cast<std::size_t>(epptr() - pptr());
    if (size <= room) {
        std::copy(text, text + size, pptr());
        pbump(static_cast<int>(count));
    } else if (!drain() || !writeAll(text, size)) {
        return 0;
    }
    if (m_lineBuffered && std::find(text, text + size, '\n') != text + size && !drain()) {
        return 0;
    }
    return count;
}

int COutputBuffer::sync() { return drain() ? 0 : -1; }

std::string outputFailure(std::ostream& out) {
    out.flush();
    if (out) {
        return {};
    }
    const auto* buffer = dynamic_cast<const COutputBuffer*>(out.rdbuf());
    const int error = buffer != nullptr ? buffer->error() : 0;
    return "cannot write standard output: " +
           std::string(error != 0 ? std::strerror(error) : "write error");
}

void checkOutput(std::ostream& out) {
    if (std::string failure = outputFailure(out); !failure.empty()) {
        throw dataError(failure);
    }
}

} // namespace orvelan::cli
