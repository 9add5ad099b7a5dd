#include "core/io/TextEncoding.h"

namespace orvelan {

namespace {

// The plain letters of the Latin-1 letters 0xC0-0xFF, upper and lower case alike; "" keeps the
// byte (the multiplication and division signs).
constexpr const char* kPlainLetters[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

} // namespace

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t code = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1Fu;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0Fu;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07u;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (text.size() - i < length) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3Fu);
        }
        if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string latin1ToUtf8(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 4);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            result.push_back(c);
        } else {
            result.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            result.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return result;
}

std::string displayUtf8(std::string_view text) {
    return isValidUtf8(text) ? std::string(text) : latin1ToUtf8(text);
}

std::optional<std::string> fileText(std::string_view text) {
    if (!isValidUtf8(text)) {
        return std::string(text);
    }
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            result.push_back(text[i]);
        } else if (lead == 0xC2 || lead == 0xC3) {
            // Well-formed, so a continuation byte follows: U+0080 ... U+00FF.
            const auto next = static_cast<unsigned char>(text[++i]);
            result.push_back(static_cast<char>(((lead & 0x03u) << 6) | (next & 0x3Fu)));
        } else {
            return std::nullopt;
        }
    }
    return result;
}

std::string searchKey(std::string_view latin1) {
    std::string key;
    key.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 'A' && byte <= 'Z') {
            key.push_back(static_cast<char>(byte - 'A' + 'a'));
        } else if (byte >= 0xC0 && *kPlainLetters[byte - 0xC0] != '\0') {
            key += kPlainLetters[byte - 0xC0];
        } else {
            key.push_back(c);
        }
    }
    return key;
}

} // namespace orvelan
