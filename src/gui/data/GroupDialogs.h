#pragma once

#include "core/io/IoResult.h"

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
QString programName();
/// "Are you sure you want to delete '<name>' ?\n".
QString deleteQuestion(const UserGroup& group);
/// The message of a dictionary that could not be written: which file and the system's reason.
QString cannotWrite(const IoResult& result);

} // namespace orvelan
