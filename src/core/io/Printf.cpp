#include "core/io/Printf.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace orvelan {

namespace {

ORVELAN_PRINTF_LIKE(2, 0) void appendV(std::string& out, const char* format, std::va_list args) {
    std::va_list copy;
    va_copy(copy, args);
    char small[256];
    const int needed = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (needed < 0) {
        return;
    }
    if (static_cast<std::size_t>(needed) < sizeof small) {
        out.append(small, static_cast<std::size_t>(needed));
        return;
    }
    std::vector<char> large(static_cast<std::size_t>(needed) + 1);
    std::vsnprintf(large.data(), large.size(), format, args);
    out.append(large.data(), static_cast<std::size_t>(needed));
}

} // namespace

std::string formatText(const char* format, ...) {
    std::string out;
    std::va_list args;
    va_start(args, format);
    appendV(out, format, args);
    va_end(args);
    return out;
}

void appendFormat(std::string& out, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    appendV(out, format, args);
    va_end(args);
}

} // namespace orvelan
