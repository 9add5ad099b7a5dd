#pragma once

// Which typed characters the three filtered edit fields take; every other key is refused with
// a beep. Codes are character codes (Unicode code points); 8 is backspace.
namespace orvelan {

inline constexpr int kBackspaceCode = 8;

/// Group names: backspace and every character of code 32 or more.
constexpr bool libAccepts(int code) { return code == kBackspaceCode || code >= 32; }

/// Backspace, letters, digits, underscore and every character of code 45 ('-') or less.
constexpr bool nameAccepts(int code) {
    return code == kBackspaceCode || (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') ||
           (code >= '0' && code <= '9') || code == '_' || (code >= 0 && code <= '-');
}

/// Backspace and the digits 0-9.
constexpr bool intAccepts(int code) {
    return code == kBackspaceCode || (code >= '0' && code <= '9');
}

} // namespace orvelan
