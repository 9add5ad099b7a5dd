#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// 32-bit little-endian integers as the template files store them.
namespace orvelan {

inline void appendInt32(std::string& bytes, int value) {
    const auto word = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<char>((word >> shift) & 0xFFu));
    }
}

/// The word at a byte offset; the caller has checked that four bytes are there.
inline int readInt32(std::string_view bytes, std::size_t offset) {
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        word |= std::uint32_t{static_cast<unsigned char>(bytes[offset + i])} << (8 * i);
    }
    return static_cast<int>(static_cast<std::int32_t>(word));
}

} // namespace orvelan
