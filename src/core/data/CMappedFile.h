#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A file mapped read-only into memory for the life of the object.
namespace orvelan {

class CMappedFile {
  public:
    CMappedFile() = default;
    ~CMappedFile();
    CMappedFile(const CMappedFile&) = delete;
    CMappedFile& operator=(const CMappedFile&) = delete;

    /// Maps a whole file. False when it cannot be opened or mapped; error() then says why.
    /// An empty file opens without a mapping (size 0).
    bool open(const std::string& path);
    void close();
    bool isOpen() const { return m_open; }

    std::size_t size() const { return m_size; }
    /// The bytes of the file; null when it is empty or not open.
    const std::uint8_t* data() const { return m_data; }
    /// True when the error of the last open was that the file does not exist.
    bool wasMissing() const { return m_missing; }
    const std::string& error() const { return m_error; }

  private:
    const std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
    bool m_open = false;
    bool m_missing = false;
    std::string m_error;
};

} // namespace orvelan
