#pragma once

#include <array>
#include <iosfwd>
#include <streambuf>
#include <string>

namespace orvelan::cli {

/// The stream buffer of standard output: writes to a file descriptor and keeps the system's
/// reason of the first failed write, which a stream's failbit alone forgets. Line-buffered on a
/// terminal, fully buffered otherwise, as the C library's standard output is.
class COutputBuffer : public std::streambuf {
  public:
    explicit COutputBuffer(int descriptor);
    ~COutputBuffer() override;
    COutputBuffer(const COutputBuffer&) = delete;
    COutputBuffer& operator=(const COutputBuffer&) = delete;

    /// The errno of the first failed write; 0 while every write succeeded.
    int error() const { return m_error; }

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

  private:
    bool writeAll(const char* data, std::size_t size);
    bool drain();

    int m_descriptor;
    bool m_lineBuffered;
    int m_error = 0;
    std::array<char, 65536> m_buffer{};
};

/// "" while out holds everything written to it (flushed first); otherwise "cannot write
/// standard output: " and the system's reason when out writes through a COutputBuffer.
std::string outputFailure(std::ostream& out);

/// Throws the data error of outputFailure when out has failed, so that a long stream stops at
/// the first chunk that could not be written.
void checkOutput(std::ostream& out);

} // namespace orvelan::cli
