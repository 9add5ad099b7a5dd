#include "core/export/CRawDataExporter.h"

#include "core/io/CAtomicFile.h"
#include "core/data/CCancerDictionary.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CRegistryDictionary.h"
#include "core/data/CUserGroupDictionary.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace orvelan {

namespace {

constexpr std::array<std::string_view, kExportFormatCount> kExtensions = {".prn", ".txt", ".csv"};

// Sex as written in both files: 1 male, 2 female.
constexpr int kMaleCode = 1;
constexpr int kFemaleCode = 2;

int groupCount(const CUserGroupDictionary* groups) {
    return groups == nullptr ? 0 : groups->count();
}

bool validFormat(int format) { return format >= 0 && format < kExportFormatCount; }

std::string formatted(const char* format, auto... values) {
    char text[512];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const int length = std::snprintf(text, sizeof text, format, values...);
#pragma GCC diagnostic pop
    return std::string(text, static_cast<std::size_t>(std::clamp(length, 0, 511)));
}

std::string cancerLogName(int cancer) {
    const auto name = std::string(CCancerDictionary::name(cancer));
    if (CCancerDictionary::isMorphology(cancer)) {
        return name;
    }
    const auto code = std::string(CCancerDictionary::code(cancer));
    return formatted("%-10s %s", code.c_str(), name.c_str());
}

bool occursIn(int cancer, bool male, const CUserGroupDictionary* cancerGroups) {
    if (cancer < kFirstCancerGroup) {
        return male ? CCancerDictionary::appliesToMales(cancer)
                    : CCancerDictionary::appliesToFemales(cancer);
    }
    const auto& group = cancerGroups->group(cancer - kFirstCancerGroup);
    return (male ? group.malesFlag : group.femalesFlag) == '1';
}

} // namespace

std::string_view CRawDataExporter::extension(int format) {
    return validFormat(format) ? kExtensions[static_cast<std::size_t>(format)] : "";
}

void CRawDataExporter::setPaths(ExportSettings& settings, const std::string& folder,
                                const std::string& name) {
    std::string base = folder;
    if (!base.empty() && base.back() != '/') {
        base += '/';
    }
    base += name;
    settings.dataPath = base + std::string(extension(settings.format));
    settings.logPath = base + ".log";
}

std::string CRawDataExporter::pathSummary(const std::string& folder, const std::string& name,
                                          int format) {
    ExportSettings settings;
    settings.format = format;
    setPaths(settings, folder, name);
    return "Data file:\t\t" + settings.dataPath + "\r\nLog file:\t\t" + settings.logPath;
}

std::vector<ExportItem> CRawDataExporter::populations(const ExportSettings& settings,
                                                      const CUserGroupDictionary* registryGroups) {
    std::vector<ExportItem> items;
    const int limit = kFirstRegistryGroup + groupCount(registryGroups);
    for (int slot = 0; slot < limit && slot < kSelectionListSize; ++slot) {
        if (settings.populationSelection[static_cast<std::size_t>(slot)] < 0) {
            continue;
        }
        if (slot >= kFirstRegistryGroup) {
            items.push_back(
                {slot, registryGroups->group(slot - kFirstRegistryGroup).trimmedName()});
            continue;
        }
        const int population = CRegistryDictionary::populationNumber(slot);
        if (population >= 0 && population < kPopulationCount) {
            // Countries that are one population have no name of their own: the country's.
            items.push_back({population, std::string(CRegistryDictionary::caption(slot))});
        }
    }
    return items;
}

std::vector<ExportItem> CRawDataExporter::cancers(const ExportSettings& settings,
                                                  const CUserGroupDictionary* cancerGroups) {
    std::vector<ExportItem> items;
    const int limit = kFirstCancerGroup + groupCount(cancerGroups);
    for (int slot = 0; slot < limit && slot < kSelectionListSize; ++slot) {
        if (settings.cancerSelection[static_cast<std::size_t>(slot)] < 0) {
            continue;
        }
        if (slot >= kFirstCancerGroup) {
            items.push_back({slot, cancerGroups->group(slot - kFirstCancerGroup).trimmedName()});
        } else {
            items.push_back({slot, cancerLogName(slot)});
        }
    }
    return items;
}

std::optional<std::string>
CRawDataExporter::sexSiteProblem(const ExportSettings& settings,
                                 const CUserGroupDictionary* cancerGroups) {
    const auto selected = cancers(settings, cancerGroups);
    for (const bool male : {true, false}) {
        if (!(male ? settings.male : settings.female) || selected.empty()) {
            continue;
        }
        bool anyOccurs = false;
        for (const auto& item : selected) {
            anyOccurs = anyOccurs || occursIn(item.number, male, cancerGroups);
        }
        if (!anyOccurs) {
            return std::string("Invalid sex/site combination");
        }
    }
    return std::nullopt;
}

std::string CRawDataExporter::dataLine(int format, int population, int sex, int cancer,
                                       int ageGroup, double cases, double personYears) {
    static constexpr std::array<const char*, kExportFormatCount> kLineFormats = {
        "%3d%2d%4d%3d%8.0f%10.0f\n", "%d\t%d\t%d\t%d\t%.0f\t%.0f\n", "%d,%d,%d,%d,%.0f,%.0f\n"};
    if (!validFormat(format)) {
        return {};
    }
    return formatted(kLineFormats[static_cast<std::size_t>(format)], population + 1,
                     sex == 0 ? kMaleCode : kFemaleCode, cancer + 1, ageGroup + 1, cases,
                     personYears);
}

std::string CRawDataExporter::logEntry(int format, const ExportItem& item) {
    const int number = item.number + 1;
    switch (format) {
    case 0:
        return formatted("%3d %-80s\n", number, item.name.c_str());
    case 1:
        return formatted("%d\t%s\n", number, item.name.c_str());
    case 2:
        return formatted("%d,%c%s%c\n", number, '"', item.name.c_str(), '"');
    default:
        return {};
    }
}

std::string CRawDataExporter::logText(const ExportSettings& settings,
                                      const std::vector<ExportItem>& populations,
                                      const std::vector<ExportItem>& cancers) {
    std::string text = std::string(kProgramName) + "\n";
    text += settings.dataPath + " file format:\n";
    text += "First column is population number (see population dictionary)\n"
            "Second column is sex (1 Male/2 Female)\n"
            "Third column is cancer number (see cancer dictionary)\n"
            "Fourth column is age (1-19: 0-4,5-9,..,85+,unknown age)\n"
            "Fifth column is number of cancer cases by age\n"
            "Sixth column is person-years at risk by age\n";
    text += "\nPopulation dictionary:\n";
    for (const auto& item : populations) {
        text += logEntry(settings.format, item);
    }
    text += "\nCancer dictionary:\n";
    for (const auto& item : cancers) {
        text += logEntry(settings.format, item);
    }
    return text;
}

std::optional<std::string> CRawDataExporter::writeData(CIncidenceStore& store,
                                                       const ExportSettings& settings,
                                                       const std::vector<ExportItem>& populations,
                                                       const std::vector<ExportItem>& cancers,
                                                       CAtomicFile& file) {
    if (!validFormat(settings.format)) {
        return "File '" + settings.dataPath + "': unknown export format " +
               std::to_string(settings.format);
    }
    for (const auto& population : populations) {
        for (const int sex : {0, 1}) {
            if (!(sex == 0 ? settings.male : settings.female)) {
                continue;
            }
            for (const auto& cancer : cancers) {
                if (file.error()) {
                    return file.error();
                }
                if (!store.load(population.number, cancer.number, sex)) {
                    return "File '" + settings.dataPath + "' not written: no data for population " +
                           std::to_string(population.number) + ", cancer " +
                           std::to_string(cancer.number) + ", sex " + std::to_string(sex) +
                           (store.loadError().empty() ? "" : " (" + store.loadError() + ")");
                }
                for (int age = 0; age < kAgeGroupCount; ++age) {
                    const auto a = static_cast<std::size_t>(age);
                    file.write(dataLine(settings.format, population.number, sex, cancer.number, age,
                                        store.cases()[a], store.personYears()[a]));
                }
            }
        }
    }
    return std::nullopt;
}

ExportOutcome CRawDataExporter::run(CIncidenceStore& store, const ExportSettings& settings) {
    const auto populationItems = populations(settings, store.registryGroups());
    const auto cancerItems = cancers(settings, store.cancerGroups());
    ExportOutcome outcome;
    CAtomicFile data(settings.dataPath);
    CAtomicFile log(settings.logPath);
    outcome.dataError = writeData(store, settings, populationItems, cancerItems, data);
    if (outcome.dataError) {
        return outcome; // both temporary files go with their objects; the old pair stays
    }
    log.write(logText(settings, populationItems, cancerItems));
    if (auto failure = CAtomicFile::commitTogether({&data, &log})) {
        (data.error() ? outcome.dataError : outcome.logError) = std::move(failure);
    }
    return outcome;
}

} // namespace orvelan
