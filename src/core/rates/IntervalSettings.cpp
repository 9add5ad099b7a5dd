#include "core/rates/IntervalSettings.h"

namespace orvelan {

IntervalChoice readIntervalChoice(const CIniFile& file) {
    IntervalChoice choice;
    const auto method = parseIntervalMethod(file.string(kIntervalSection, "Method", "normal"));
    const int level = file.integer(kIntervalSection, "Level", 95);
    if (method && isIntervalLevel(level)) {
        choice = {*method, level};
    }
    return choice;
}

void writeIntervalChoice(const IntervalChoice& choice, CIniFile& file) {
    file.removeSection(kIntervalSection);
    if (choice.isDefault()) {
        return;
    }
    file.setString(kIntervalSection, "Method", intervalMethodName(choice.method));
    file.setInteger(kIntervalSection, "Level", choice.level);
}

} // namespace orvelan
