#pragma once

#include "core/io/IoResult.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Writes a file so that it either appears complete or not at all: the bytes go to a temporary
// file beside the target, which is renamed over the target only when every write succeeded.
// A replaced file keeps its permission bits; a symbolic link is written through, to its target.
namespace orvelan {

class CAtomicFile {
  public:
    /// Opens a temporary file in the target's folder; check error() before writing.
    explicit CAtomicFile(std::string path);
    /// Removes the temporary file unless commit() succeeded.
    ~CAtomicFile();
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;

    bool isOpen() const { return m_file != nullptr; }
    void write(std::string_view bytes);
    /// printf-style text; the format is always a literal of the caller.
    void print(const char* format, ...) __attribute__((format(printf, 2, 3)));

    /// Flushes, closes and renames onto the target. After a failure the target is left as it
    /// was and the temporary file is gone.
    IoResult commit();
    /// True once an open or a write has failed; result() then says which file and why.
    bool failed() const { return !m_result.ok(); }
    const IoResult& result() const { return m_result; }
    const std::string& path() const { return m_path; }

    /// Flushes and closes the temporary file without syncing it, so that a caller writing many
    /// files need not hold them all open; commitTogether syncs them at once. False (error()
    /// set) when the flush or close fails.
    bool closeTemporary();

    /// Commits files that belong together: every target is replaced, or (after any failure,
    /// a rename included) every target is left as it was and no temporary file remains.
    /// The files reach the disk before any rename; a large group with one sync of their file
    /// system rather than one each. The result is the first failure.
    static IoResult commitTogether(const std::vector<CAtomicFile*>& files);

    /// Removes every temporary file not yet committed or discarded; async-signal-safe.
    static void removePendingTemporaries() noexcept;
    /// Makes SIGINT, SIGTERM and SIGHUP remove the pending temporaries before they end the
    /// process as they would have (signals already ignored stay ignored). Temporaries that a
    /// killed process could not remove are removed by the next writer of the same target.
    static void removeTemporariesOnSignals();

    /// Writes a whole file in one go through a temporary file.
    static IoResult writeWhole(const std::string& path, std::string_view bytes);

  private:
    /// Flushes, syncs (when asked) and closes the temporary file; false (error() set) when any
    /// step fails. A file already closed by closeTemporary() only has its sync left.
    bool finish(bool sync);
    /// Syncs the closed temporary file on its own.
    bool syncClosed();
    /// Makes the closed temporary files of a group durable: each synced on its own when they
    /// are few, one sync per file system for many on Linux.
    static IoResult syncGroup(const std::vector<CAtomicFile*>& files);
    static IoResult syncFileSystems(const std::vector<CAtomicFile*>& files);
    void fail(const std::string& what);
    void discard();

    std::string m_path;   // as the caller names it, in messages
    std::string m_target; // the file replaced: m_path, or the file a symbolic link points to
    std::string m_tempPath;
    std::size_t m_nameMax = 255; // the longest name the target's folder takes
    std::FILE* m_file = nullptr;
    IoResult m_result;
    bool m_closed = false; // closed by closeTemporary(), not yet synced
    bool m_committed = false;
    int m_pendingSlot = -1; // in the table the signal handler reads; -1 when not in it
};

} // namespace orvelan
