#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Colours as the settings file and the graph templates keep them: a value red + 256 x green +
// 65536 x blue (each component 0-255), written as the nine digits "%03d%03d%03d".
namespace orvelan {

using ColourValue = std::uint32_t;

constexpr ColourValue colourValue(int red, int green, int blue) {
    return static_cast<ColourValue>(red) + 256u * static_cast<ColourValue>(green) +
           65536u * static_cast<ColourValue>(blue);
}
constexpr int redOf(ColourValue colour) { return static_cast<int>(colour & 0xffu); }
constexpr int greenOf(ColourValue colour) { return static_cast<int>((colour >> 8) & 0xffu); }
constexpr int blueOf(ColourValue colour) { return static_cast<int>((colour >> 16) & 0xffu); }

inline constexpr ColourValue kWhite = colourValue(255, 255, 255);
inline constexpr ColourValue kBlack = colourValue(0, 0, 0);
inline constexpr ColourValue kBlue = colourValue(0, 0, 255);

/// The nine-digit string of a colour, e.g. "000000255" for blue.
std::string formatColour(ColourValue colour);
/// Reads a colour string as "%3d%3d%3d"; empty when fewer than three numbers are found or a
/// component lies outside 0-255.
std::optional<ColourValue> parseColour(std::string_view text);

} // namespace orvelan
