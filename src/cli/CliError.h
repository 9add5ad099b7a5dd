#pragma once

#include <stdexcept>
#include <string>

namespace orvelan::cli {

/// Exit statuses of orvelan-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitDataError = 1; // a data or output file is missing, short or unwritable
inline constexpr int kExitUsage = 2;     // a bad argument

/// Ends a command with a one-line message on stderr and an exit status.
class CliError : public std::runtime_error {
  public:
    CliError(int exitCode, const std::string& message)
        : std::runtime_error(message), m_exitCode(exitCode) {}
    int exitCode() const { return m_exitCode; }

  private:
    int m_exitCode;
};

/// A bad argument (exit status 2).
inline CliError usageError(const std::string& message) { return {kExitUsage, message}; }
/// A missing or unreadable file (exit status 1).
inline CliError dataError(const std::string& message) { return {kExitDataError, message}; }

} // namespace orvelan::cli
