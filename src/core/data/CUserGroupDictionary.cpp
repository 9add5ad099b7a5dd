#include "core/data/CUserGroupDictionary.h"

#include "core/data/CCancerDictionary.h"
#include "core/data/Codes.h"
#include "core/io/ReadFile.h"

#include <algorithm>
#include <cassert>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace orvelan {

namespace {

constexpr std::size_t kTagWidth = 10;
constexpr std::size_t kNameWidth = 80;
constexpr std::size_t kFirstMemberColumn = kTagWidth + kNameWidth; // 0-based column 91
constexpr std::size_t kMemberWidth = 3;                            // "%03d"
constexpr std::size_t kMaxLineLength = 1023;

std::string padded(std::string_view text, std::size_t width) {
    std::string result(text.substr(0, width));
    result.resize(width, ' ');
    return result;
}

/// A "%3d" field: optional blanks, an optional sign and digits within the three characters.
/// Returns false when the field holds no number.
bool parseMember(std::string_view field, int& value) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) {
        negative = field[i] == '-';
        ++i;
    }
    const std::size_t firstDigit = i;
    int number = 0;
    while (i < field.size() && field[i] >= '0' && field[i] <= '9') {
        number = number * 10 + (field[i] - '0');
        ++i;
    }
    if (i == firstDigit) {
        return false;
    }
    value = negative ? -number : number;
    return true;
}

/// Takes the next line of text at position, of which at most 1023 characters are kept: false
/// when the text ends before a line end (such a last line is not taken). The rest of an
/// over-long line is skipped, so that it cannot turn into a group of its own.
bool nextLine(std::string_view text, std::size_t& position, std::string& line) {
    const std::size_t end = text.find('\n', position);
    if (end == std::string_view::npos) {
        position = text.size();
        return false;
    }
    line.assign(text.substr(position, std::min(end - position, kMaxLineLength)));
    position = end + 1;
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

bool writeAll(std::FILE* file, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size();
}

/// True when the file exists, is not empty and its last byte is not a line end.
bool endsInsideLine(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    bool inside = false;
    if (std::fseek(file, -1, SEEK_END) == 0) {
        inside = std::fgetc(file) != '\n';
    }
    std::fclose(file);
    return inside;
}

} // namespace

std::string UserGroup::trimmedName() const {
    const std::size_t end = name.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : name.substr(0, end + 1);
}

std::vector<int> UserGroup::memberList() const {
    std::vector<int> list;
    for (int member : members) {
        if (member < 0) {
            break;
        }
        list.push_back(member);
    }
    return list;
}

CUserGroupDictionary::CUserGroupDictionary(GroupKind kind) : m_kind(kind) {}

int CUserGroupDictionary::capacity() const {
    return m_kind == GroupKind::Cancer ? kMaxCancerGroups : kMaxRegistryGroups;
}

int CUserGroupDictionary::slotCount() const {
    return m_kind == GroupKind::Cancer ? kCancerCount : kRegistryRowCount;
}

const UserGroup& CUserGroupDictionary::group(int index) const {
    assert(index >= 0 && index < count());
    return m_groups[static_cast<std::size_t>(index)];
}

std::string CUserGroupDictionary::formatLine(const UserGroup& group) {
    std::string line = padded(group.tag, kTagWidth) + padded(group.name, kNameWidth);
    char field[16];
    for (int member : group.memberList()) {
        std::snprintf(field, sizeof field, "%03d", member);
        line += field;
    }
    line += "-01\n"; // the terminator -1 as "%03d"
    return line;
}

void CUserGroupDictionary::load(const std::string& path) {
    m_path = path;
    m_groups.clear();
    std::string text;
    if (readFileBytes(path, text)) {
        return; // no file: no groups
    }
    std::string line;
    std::size_t position = 0;
    while (count() < capacity() && nextLine(text, position, line)) {
        m_groups.push_back(parseLine(line));
    }
}

UserGroup CUserGroupDictionary::parseLine(const std::string& line) const {
    const std::string_view text(line);
    UserGroup group;
    group.tag = padded(text.substr(0, std::min(text.size(), kTagWidth)), kTagWidth);
    group.name =
        padded(text.size() > kTagWidth ? text.substr(kTagWidth) : std::string_view(), kNameWidth);
    group.members.assign(static_cast<std::size_t>(slotCount()), -1);

    // Members run until the stored terminator; a cancer number beyond the dictionary also ends
    // the list (it is not kept, so that a load never reads another sex's records).
    std::size_t column = kFirstMemberColumn;
    for (auto& slot : group.members) {
        int value = 0;
        if (column >= text.size() || !parseMember(text.substr(column, kMemberWidth), value)) {
            break;
        }
        column += kMemberWidth;
        if (m_kind == GroupKind::Cancer && value >= kCancerCount) {
            break;
        }
        slot = value;
        if (value < 0) {
            break;
        }
    }
    if (m_kind == GroupKind::Cancer) {
        deriveSexFlags(group);
    }
    return group;
}

void CUserGroupDictionary::deriveSexFlags(UserGroup& group) {
    bool anyMale = false;
    bool anyFemale = false;
    for (int member : group.memberList()) {
        anyMale = anyMale || CCancerDictionary::appliesToMales(member);
        anyFemale = anyFemale || CCancerDictionary::appliesToFemales(member);
    }
    if (!anyFemale) {
        group.malesFlag = '1';
        group.femalesFlag = '0';
    } else if (!anyMale) {
        group.malesFlag = '0';
        group.femalesFlag = '1';
    } else {
        group.malesFlag = '1';
        group.femalesFlag = '1';
    }
}

bool CUserGroupDictionary::isValidGroup(const std::string& name,
                                        const std::vector<int>& members) const {
    if (m_path.empty() || count() >= capacity() ||
        members.size() > static_cast<std::size_t>(slotCount())) {
        return false;
    }
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 32) {
            return false; // a line end would split the group's line
        }
    }
    const int limit = m_kind == GroupKind::Cancer ? kCancerCount : kPopulationCount;
    for (int member : members) {
        if (member < 0 || member >= limit) {
            return false;
        }
    }
    return true;
}

bool CUserGroupDictionary::append(const std::string& name, const std::vector<int>& members) {
    if (!isValidGroup(name, members)) {
        return false;
    }
    UserGroup group;
    group.tag = padded(kProgramName, kTagWidth);
    group.name = padded(name, kNameWidth);
    group.members = members;
    group.members.push_back(-1);

    // A last line without its line end (never taken) must not swallow the new group.
    const std::string prefix = endsInsideLine(m_path) ? "\n" : "";
    std::FILE* file = std::fopen(m_path.c_str(), "a");
    if (file == nullptr) {
        return false;
    }
    const bool written = writeAll(file, prefix + formatLine(group));
    const bool closed = std::fclose(file) == 0;
    load(m_path);
    return written && closed;
}

bool CUserGroupDictionary::remove(int index) {
    if (m_path.empty() || index < 0 || index >= count()) {
        return false;
    }
    // The new content goes to a temporary file renamed over the old one, so that a crash
    // midway leaves either the old or the new dictionary, never a truncated one.
    const std::string temporary = m_path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "w");
    if (file == nullptr) {
        return false;
    }
    bool written = true;
    for (int k = 0; k < count(); ++k) {
        if (k != index) {
            written = written && writeAll(file, formatLine(group(k)));
        }
    }
    written = std::fflush(file) == 0 && written;
    written = std::fclose(file) == 0 && written;
    std::error_code error;
    if (written) {
        std::filesystem::rename(temporary, m_path, error);
    }
    if (!written || error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    load(m_path);
    return true;
}

} // namespace orvelan
