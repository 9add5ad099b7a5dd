#pragma once

#include "core/io/IoResult.h"

#include <cstddef>
#include <string>

namespace orvelan {

/// Largest text file a dictionary, settings file or analysis file may be: far above any real
/// one, small enough that a device or a huge file cannot exhaust memory.
inline constexpr std::size_t kMaxTextFileBytes = 16u << 20;

/// Opens a file for reading without blocking on a FIFO; -1 with errno set when it cannot be
/// opened, and with errno = EINVAL (and the descriptor closed) when it is not a regular file.
int openRegularFile(const std::string& path);

/// Reads a whole regular file of at most maxBytes bytes into bytes (left as it was after a
/// failure). A FIFO, device or folder is refused without reading from it.
IoResult readFileBytes(const std::string& path, std::string& bytes,
                       std::size_t maxBytes = kMaxTextFileBytes);

} // namespace orvelan
