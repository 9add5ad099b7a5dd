#include "core/io/CIniFile.h"

#include "core/io/CAtomicFile.h"
#include "core/io/ReadFile.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <filesystem>
#include <iterator>
#include <utility>

namespace orvelan {

namespace {

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view trimmed(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

IoResult CIniFile::load(const std::string& path) {
    std::error_code code;
    if (std::filesystem::symlink_status(path, code).type() ==
        std::filesystem::file_type::not_found) {
        m_sections.clear();
        return {};
    }
    std::string content;
    IoResult read = readFileBytes(path, content);
    if (read.ok()) {
        parse(content);
    }
    return read;
}

IoResult CIniFile::save(const std::string& path) const {
    return CAtomicFile::writeWhole(path, text());
}

void CIniFile::parse(std::string_view text) {
    m_sections.clear();
    m_sections.push_back(Section{});
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        // "\r\n" ends a line; further carriage returns before it belong to no text either.
        while (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::string_view content = trimmed(line);
        if (content.size() >= 2 && content.front() == '[') {
            const std::size_t close = content.find(']');
            if (close != std::string_view::npos) {
                m_sections.push_back(
                    Section{std::string(trimmed(content.substr(1, close - 1))), {}});
                continue;
            }
        }
        Line entry;
        entry.raw = std::string(line);
        const std::size_t equals = content.find('=');
        if (equals != std::string_view::npos && content.front() != ';' && equals > 0) {
            entry.key = std::string(trimmed(content.substr(0, equals)));
            entry.value = std::string(trimmed(content.substr(equals + 1)));
        }
        m_sections.back().lines.push_back(std::move(entry));
    }
}

std::string CIniFile::text() const {
    std::string out;
    for (const Section& section : m_sections) {
        if (!section.name.empty()) {
            out += "[" + section.name + "]\n";
        }
        for (const Line& line : section.lines) {
            out += line.key.empty() ? line.raw : line.key + "=" + line.value;
            out += "\n";
        }
    }
    return out;
}

const CIniFile::Section* CIniFile::findSection(std::string_view name) const {
    for (const Section& section : m_sections) {
        if (!section.name.empty() && sameName(section.name, name)) {
            return &section;
        }
    }
    return nullptr;
}

CIniFile::Section* CIniFile::findSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

std::optional<std::string> CIniFile::value(std::string_view section, std::string_view key) const {
    if (const Section* found = findSection(section)) {
        for (const Line& line : found->lines) {
            if (!line.key.empty() && sameName(line.key, key)) {
                return line.value;
            }
        }
    }
    return std::nullopt;
}

std::string CIniFile::string(std::string_view section, std::string_view key,
                             std::string_view fallback) const {
    return value(section, key).value_or(std::string(fallback));
}

int CIniFile::integer(std::string_view section, std::string_view key, int fallback) const {
    const std::optional<std::string> text = value(section, key);
    if (!text) {
        return fallback;
    }
    const char* begin = text->c_str();
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(begin, &end, 10);
    if (end == begin || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX) {
        return fallback;
    }
    return static_cast<int>(parsed);
}

void CIniFile::setString(std::string_view section, std::string_view key, std::string_view value) {
    Section* found = findSection(section);
    if (found == nullptr) {
        if (m_sections.empty()) {
            m_sections.push_back(Section{});
        }
        m_sections.push_back(Section{std::string(section), {}});
        found = &m_sections.back();
    }
    for (Line& line : found->lines) {
        if (!line.key.empty() && sameName(line.key, key)) {
            line.value = std::string(value);
            return;
        }
    }
    // Keep blank lines that close a section after the new key.
    auto position = found->lines.end();
    while (position != found->lines.begin() && std::prev(position)->key.empty() &&
           trimmed(std::prev(position)->raw).empty()) {
        --position;
    }
    found->lines.insert(position, Line{std::string(key), std::string(value), {}});
}

void CIniFile::setInteger(std::string_view section, std::string_view key, int value) {
    setString(section, key, std::to_string(value));
}

void CIniFile::removeSection(std::string_view section) {
    std::erase_if(m_sections, [section](const Section& s) {
        return !s.name.empty() && sameName(s.name, section);
    });
}

std::vector<std::string> CIniFile::sectionNames() const {
    std::vector<std::string> names;
    for (const Section& section : m_sections) {
        if (!section.name.empty()) {
            names.push_back(section.name);
        }
    }
    return names;
}

std::vector<std::string> CIniFile::keys(std::string_view section) const {
    std::vector<std::string> names;
    if (const Section* found = findSection(section)) {
        for (const Line& line : found->lines) {
            if (!line.key.empty()) {
                names.push_back(line.key);
            }
        }
    }
    return names;
}

} // namespace orvelan
