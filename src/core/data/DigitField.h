#pragma once

#include <cstddef>
#include <string_view>

// Reading the fixed-width digit fields of the compiled dictionary rows.
namespace orvelan::detail {

/// The decimal number in text[pos, pos + count); -1 when the text is shorter or a character is
/// not a digit.
inline int digitField(std::string_view text, std::size_t pos, std::size_t count) {
    if (text.size() < pos + count) {
        return -1;
    }
    int value = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace orvelan::detail
