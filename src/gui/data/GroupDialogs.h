#pragma once

#include <QString>
#include <string>
#include <string_view>

// Texts the dictionary and group dialogs share: sex marks, 8-bit dictionary texts, the delete
// question and the write failure message.
namespace orvelan {

struct UserGroup;
class CUserGroupDictionary;

/// "X" when the cancer occurs in the sex, " " otherwise.
QString sexMark(bool applies);
QString fromView(std::string_view text);
/// Dictionary and label texts are 8-bit.
QString latin1(const std::string& text);
QString programName();
/// "Are you sure you want to delete '<name>' ?\n".
QString deleteQuestion(const UserGroup& group);
/// Why a group could not be written, naming the dictionary file.
QString cannotWrite(const CUserGroupDictionary& groups);

} // namespace orvelan
