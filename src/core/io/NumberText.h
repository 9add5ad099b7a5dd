#pragma once

#include <cmath>
#include <optional>
#include <string>

// Number-to-text conversions for the text outputs that write many numbers (raw-data exports,
// standard tables, grids, figure streams). Whole numbers are written without printf; anything
// else keeps printf's own rounding, so the bytes never differ from the printf formats.
namespace orvelan {

/// Appends exactly what printf("%*.0f", width, value) writes (width 0: no padding).
void appendWhole(std::string& out, double value, int width = 0);
/// Appends exactly what printf("%*d", width, value) writes.
void appendInteger(std::string& out, long long value, int width = 0);
/// Appends exactly what printf("%*.*f", width, decimals, value) writes.
void appendFixed(std::string& out, double value, int width, int decimals);
/// The text printf("%*.0f", width, value) writes.
std::string wholeText(double value, int width = 0);
/// Appends the shortest text that reads back as the same double, in plain digits from 1e-5 to
/// 1e16 ("0.1", "100000") and in exponent form outside ("1e+22"); non-finite values append
/// nothing.
void appendShortest(std::string& out, double value);

/// appendShortest for a field of a data table: nothing when the value is missing or not finite.
void appendNumberField(std::string& out, const std::optional<double>& value);

/// Room writeShortest and writeInteger may need.
inline constexpr int kShortestRoom = 40;
/// Writes what appendShortest appends at at and returns the end; at needs kShortestRoom bytes.
char* writeShortest(char* at, double value);
/// Writes what printf("%lld") writes at at and returns the end; at needs 21 bytes.
char* writeInteger(char* at, long long value);
/// Writes what printf("%*lld", width, value) writes; at needs 21 bytes or width.
char* writeIntegerPadded(char* at, long long value, int width);
/// True when appendWhole writes value as the integer it is: no fraction, below 2^53 (where
/// every whole double is an exact 64-bit integer), and not -0, which printf writes as "-0".
inline bool isPlainWhole(double value) {
    return std::fabs(value) < 9007199254740992.0 && value == std::trunc(value) &&
           !(value == 0.0 && std::signbit(value));
}

} // namespace orvelan
