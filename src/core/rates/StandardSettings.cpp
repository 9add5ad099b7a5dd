#include "core/rates/StandardSettings.h"

namespace orvelan {

namespace {

constexpr std::string_view kWorldKey = "World";
constexpr std::string_view kEuropeanKey = "European";

StandardPopulation readSlot(const CIniFile& file, StandardSlot slot, std::string_view key,
                            const StandardPopulation& classic) {
    const std::string value = file.string(kStandardSection, key, classic.id);
    if (const StandardPopulation* builtIn = findBuiltInStandard(slot, value)) {
        return *builtIn;
    }
    StandardPopulation standard;
    if (readStandardFile(value, standard)) {
        return standard;
    }
    return classic;
}

void writeSlot(CIniFile& file, std::string_view key, const StandardPopulation& standard) {
    if (!isClassicStandard(standard)) {
        file.setString(kStandardSection, key, standard.isUser() ? standard.file : standard.id);
    }
}

} // namespace

StandardChoice readStandardChoice(const CIniFile& file) {
    StandardChoice choice;
    choice.world = readSlot(file, StandardSlot::World, kWorldKey, worldSegiStandard());
    choice.european = readSlot(file, StandardSlot::European, kEuropeanKey, european1976Standard());
    return choice;
}

void writeStandardChoice(const StandardChoice& choice, CIniFile& file) {
    file.removeSection(kStandardSection);
    writeSlot(file, kWorldKey, choice.world);
    writeSlot(file, kEuropeanKey, choice.european);
}

} // namespace orvelan
