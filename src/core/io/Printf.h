#pragma once

#include <string>

// printf-style formatting into std::string, for the fixed-width layouts of tables whose column
// formats ("%9.2f", "%-30s") are part of the output contract.
namespace orvelan {

#if defined(__GNUC__)
#define ORVELAN_PRINTF_LIKE(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define ORVELAN_PRINTF_LIKE(fmt, args)
#endif

/// The text printf would write.
std::string formatText(const char* format, ...) ORVELAN_PRINTF_LIKE(1, 2);
/// Appends the text printf would write.
void appendFormat(std::string& out, const char* format, ...) ORVELAN_PRINTF_LIKE(2, 3);

} // namespace orvelan
