#pragma once

#include <string>
#include <string_view>

// The one result of every operation of the core that reads or writes a file.
namespace orvelan {

enum class IoStatus {
    Ok,
    UnsupportedFormat, // the name's ending names no format this can be saved in; nothing written
    Failed,            // the file could not be read or written, or its content is not usable
    Refused,           // the input cannot be stored (a bad name or member, a full table)
};

/// Success, or what failed: which file, what went wrong with it and the system's reason, and
/// the one line a user is shown. Callers must look at it.
struct [[nodiscard]] IoResult {
    IoStatus status = IoStatus::Ok;
    std::string file;    // the file concerned; empty when the failure is not a file's
    std::string what;    // "cannot be read", "cannot be created", "is not a report template"...
    std::string reason;  // the system's reason (strerror) or what is wrong with the content
    std::string message; // "File 'FILE' WHAT: REASON", or a fixed text such as a refused format

    /// Success. (No brace-initialisation from a status and a text: use failure() or refusal().)
    IoResult() = default;

    bool ok() const { return status == IoStatus::Ok; }
    /// True on success, so that `if (!groups.append(...))` reads as it says.
    explicit operator bool() const { return ok(); }

    /// A failure of a file, with its message composed from the three parts.
    static IoResult failure(std::string file, std::string what, std::string reason);
    /// A failure that is shown as a fixed text (the refused-format message, a bad input).
    static IoResult refusal(IoStatus status, std::string_view text);
};

} // namespace orvelan
