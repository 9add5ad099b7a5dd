#pragma once

#include "core/io/IoResult.h"

#include <cstddef>
#include <cstdint>
#include <string>

struct stat;

// A file mapped read-only into memory for the life of the object.
//
// A file cut short while it is mapped (a new release copied over it, say) would kill the process
// at the first read past its new end. The mapping is guarded: such a read finds zeros instead and
// marks the mapping cut, which the reader checks after taking what it needs, so that it can
// refuse what it read and tell the user instead of dying.
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

    /// True once a read found the file shorter than it was when mapped: what was read since
    /// may be zeros.
    bool wasCut() const;
    /// True when the path no longer names the file as it was mapped: another file put in its
    /// place, a new size or modification time, or no file at all.
    bool changedOnDisk() const;

  private:
    struct Identity {
        unsigned long long device = 0;
        unsigned long long inode = 0;
        long long size = -1;
        long long modifiedSeconds = 0;
        long modifiedNanoseconds = 0;
        bool operator==(const Identity&) const = default;
    };
    static Identity identityOf(const struct stat& status);

    std::string m_path;
    const std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
    int m_guard = -1; // the slot of the mapping among the guarded ones, or -1
    Identity m_identity;
    bool m_open = false;
    bool m_missing = false;
};

} // namespace orvelan
