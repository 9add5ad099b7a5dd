#include "core/data/CUserGroupDictionary.h"

#include "core/data/CCancerDictionary.h"
#include "core/data/Codes.h"
#include "core/io/CAtomicFile.h"
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

IoResult CUserGroupDictionary::load(const std::string& path) {
    m_path = path;
    m_groups.clear();
    std::error_code code;
    if (std::filesystem::symlink_status(path, code).type() ==
        std::filesystem::file_type::not_found) {
        return {}; // no file: no groups
    }
    std::string text;
    if (IoResult read = readFileBytes(path, text); !read.ok()) {
        return read;
    }
    std::string line;
    std::size_t position = 0;
    while (count() < capacity() && nextLine(text, position, line)) {
        m_groups.push_back(parseLine(line));
    }
    return {};
}

UserGroup CUserGroupDictionary::parseLine(const std::string& line) const {
    const std::string_view text(line);
    UserGroup group;
    group.tag = padded(text.substr(0, std::min(text.size(), kTagWidth)), kTagWidth);
    group.name =
        padded(text.size() > kTagWidth ? text.substr(kTagWidth) : std::string_view(), kNameWidth);
    group.members.assign(static_cast<std::size_t>(slotCount()), -1);

    // Members run until the stored terminator; a cancer number beyond the dictionary also ends
    // the list (it is not kept, so that a load never reads another sex's records, but noted, so
    // that the group is refused by name rather than summed without it).
    std::size_t column = kFirstMemberColumn;
    for (auto& slot : group.members) {
        int value = 0;
        if (column >= text.size() || !parseMember(text.substr(column, kMemberWidth), value)) {
            break;
        }
        column += kMemberWidth;
        if (m_kind == GroupKind::Cancer && value >= kCancerCount) {
            group.unknownMember = value;
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

IoResult CUserGroupDictionary::append(const std::string& name, const std::vector<int>& members) {
    if (!isValidGroup(name, members)) {
        return IoResult::refusal(IoStatus::Refused,
                                 "The group cannot be added to " + m_path +
                                     ": a bad name or member, or the table is full");
    }
    UserGroup group;
    group.tag = padded(kProgramName, kTagWidth);
    group.name = padded(name, kNameWidth);
    group.members = members;
    group.members.push_back(-1);

    // The old lines are kept byte for byte; a last line without its line end (never taken)
    // must not swallow the new group.
    std::string text;
    std::error_code code;
    if (std::filesystem::symlink_status(m_path, code).type() !=
        std::filesystem::file_type::not_found) {
        if (IoResult read = readFileBytes(m_path, text); !read.ok()) {
            return read;
        }
    }
    if (!text.empty() && text.back() != '\n') {
        text += '\n';
    }
    text += formatLine(group);
    if (IoResult written = CAtomicFile::writeWhole(m_path, text); !written.ok()) {
        return written;
    }
    return load(m_path);
}

IoResult CUserGroupDictionary::remove(int index) {
    if (m_path.empty() || index < 0 || index >= count()) {
        return IoResult::refusal(IoStatus::Refused,
                                 "There is no group " + std::to_string(index) + " in " + m_path);
    }
    std::string text;
    for (int k = 0; k < count(); ++k) {
        if (k != index) {
            text += formatLine(group(k));
        }
    }
    if (IoResult written = CAtomicFile::writeWhole(m_path, text); !written.ok()) {
        return written;
    }
    return load(m_path);
}

} // namespace orvelan
