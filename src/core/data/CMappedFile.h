#pragma once

#include "core/io/IoResult.h"

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

    /// Maps a whole file; on failure the file and the system's reason ("cannot be read").
    /// An empty file opens without a mapping (size 0).
    IoResult open(const std::string& path);
    void close();
    bool isOpen() const { return m_open; }

    std::size_t size() const { return m_size; }
    /// The bytes of the file; null when it is empty or not open.
    const std::uint8_t* data() const { return m_data; }
    /// True when the error of the last open was that the file does not exist.
    bool wasMissing() const { return m_missing; }

  private:
    const std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
    bool m_open = false;
    bool m_missing = false;
};

} // namespace orvelan
