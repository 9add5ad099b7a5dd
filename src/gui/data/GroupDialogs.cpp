#include "gui/data/GroupDialogs.h"

#include "core/data/CUserGroupDictionary.h"
#include "core/data/Codes.h"
#include "graphics/CoreText.h"

namespace orvelan {

QString sexMark(bool applies) { return applies ? QStringLiteral("X") : QStringLiteral(" "); }

QString fromView(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString programName() { return fromView(kProgramName); }

QString deleteQuestion(const UserGroup& group) {
    return QStringLiteral("Are you sure you want to delete '%1' ?\n")
        .arg(fromCoreText(group.trimmedName()));
}

QString cannotWrite(const IoResult& result) {
    if (result.file.empty()) {
        return fromCoreMessage(result.message);
    }
    return QStringLiteral("Cannot write the user dictionary %1: %2.")
        .arg(QString::fromStdString(result.file), fromCoreMessage(result.reason));
}

} // namespace orvelan
