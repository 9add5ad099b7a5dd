#pragma once

#include "core/io/IoResult.h"

#include <string>
#include <string_view>
#include <vector>

// User-defined groups of cancers (ICDuser.dic) or of registries (POPuser.dic): one line a group,
// tag (10) + name (80) + members "%03d" + "-01". Group k is cancer number 252 + k or population
// number 272 + k.
namespace orvelan {

enum class GroupKind { Cancer, Registry };

struct UserGroup {
    std::string tag;          // 10 characters, the program name padded with blanks
    std::string name;         // 80 characters, padded with blanks
    std::vector<int> members; // every slot (252 or 272); the list ends at the first negative
    char malesFlag = '1';     // cancer groups: '1' when a member occurs in males
    char femalesFlag = '0';
    int unknownMember = -1; // cancer groups: a number past the dictionary that ended the list

    /// The name without its trailing blanks.
    std::string trimmedName() const;
    /// The members up to the first negative slot.
    std::vector<int> memberList() const;
};

class CUserGroupDictionary {
  public:
    explicit CUserGroupDictionary(GroupKind kind);

    static constexpr std::string_view kCancerFileName = "ICDuser.dic";
    static constexpr std::string_view kRegistryFileName = "POPuser.dic";

    GroupKind kind() const { return m_kind; }
    /// Group limit: 68 cancer groups or 48 registry groups.
    int capacity() const;
    /// Member slots of a group: 252 or 272.
    int slotCount() const;

    /// Reads the dictionary file. A missing file means no groups; a file that cannot be read
    /// also leaves no groups but is a failure the user must hear of.
    IoResult load(const std::string& path);
    /// Adds a group at the end of the file (rewritten through a temporary file) and reads it
    /// again. Refused (nothing written) for a bad name or member or a full table; a failure
    /// naming the file when it cannot be written (the old file then stays as it was).
    IoResult append(const std::string& name, const std::vector<int>& members);
    /// Deletes group k, rewrites the file through a temporary file and reads it again.
    IoResult remove(int index);

    int count() const { return static_cast<int>(m_groups.size()); }
    const UserGroup& group(int index) const;
    const std::string& path() const { return m_path; }

    /// The text line of a group as written to the file, "\n" included.
    static std::string formatLine(const UserGroup& group);

  private:
    /// One group from a line without its line end.
    UserGroup parseLine(const std::string& line) const;
    /// Sex flags from the members' entries in the cancer dictionary.
    static void deriveSexFlags(UserGroup& group);
    /// A group that fits the table and the file: members in range, no control characters.
    bool isValidGroup(const std::string& name, const std::vector<int>& members) const;

    GroupKind m_kind;
    std::string m_path;
    std::vector<UserGroup> m_groups;
};

} // namespace orvelan
