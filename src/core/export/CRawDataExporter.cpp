#include "core/export/CRawDataExporter.h"

#include "core/data/CCancerDictionary.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CRegistryDictionary.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/data/Validation.h"
#include "core/io/CAtomicFile.h"
#include "core/io/NumberText.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

namespace orvelan {

namespace {

constexpr std::array<std::string_view, kExportFormatCount> kExportExtensions = {".prn", ".txt",
                                                                                ".csv"};

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

} // namespace

std::string_view CRawDataExporter::extension(int format) {
    return validFormat(format) ? kExportExtensions[static_cast<std::size_t>(format)] : "";
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
        if (isDictionaryPopulation(population)) {
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
            anyOccurs = anyOccurs || CCancerDictionary::occursIn(
                                         item.number, male ? Sex::Male : Sex::Female, cancerGroups);
        }
        if (!anyOccurs) {
            return std::string(kInvalidSexSite);
        }
    }
    return std::nullopt;
}

std::string CRawDataExporter::dataLine(int format, int population, Sex sex, int cancer,
                                       int ageGroup, double cases, double personYears) {
    std::string line;
    appendDataLine(line, format, population, sex, cancer, ageGroup, cases, personYears);
    return line;
}

void CRawDataExporter::appendDataLine(std::string& out, int format, int population, Sex sex,
                                      int cancer, int ageGroup, double cases, double personYears) {
    if (!validFormat(format)) {
        return;
    }
    // The formats are "%3d%2d%4d%3d%8.0f%10.0f\n", "%d\t%d\t%d\t%d\t%.0f\t%.0f\n" and
    // "%d,%d,%d,%d,%.0f,%.0f\n", written field by field (whole numbers without printf).
    static constexpr std::array<std::array<int, 6>, kExportFormatCount> kWidths = {
        {{3, 2, 4, 3, 8, 10}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}}};
    static constexpr std::array<char, kExportFormatCount> kSeparators = {'\0', '\t', ','};
    const auto f = static_cast<std::size_t>(format);
    const auto& w = kWidths[f];
    const char separator = kSeparators[f];
    // The line is put together in a buffer and appended once; a count that is no plain whole
    // number (never in real data) goes through appendWhole on its own.
    char line[128];
    char* at = line;
    const auto separate = [&] {
        if (separator != '\0') {
            *at++ = separator;
        }
    };
    const auto whole = [&](double value, int width) {
        if (isPlainWhole(value)) {
            at = writeIntegerPadded(at, static_cast<long long>(value), width);
            return;
        }
        out.append(line, static_cast<std::size_t>(at - line));
        at = line;
        appendWhole(out, value, width);
    };
    for (const auto& [value, width] : {std::pair{population + 1, w[0]},
                                       {sex == Sex::Male ? kMaleCode : kFemaleCode, w[1]},
                                       {cancer + 1, w[2]},
                                       {ageGroup + 1, w[3]}}) {
        at = writeIntegerPadded(at, value, width);
        separate();
    }
    whole(cases, w[4]);
    separate();
    whole(personYears, w[5]);
    *at++ = '\n';
    out.append(line, static_cast<std::size_t>(at - line));
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

ExportTarget CRawDataExporter::probeTarget(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status)) {
        if (!std::filesystem::is_regular_file(status)) {
            return ExportTarget::NotAccessible;
        }
        std::FILE* file = std::fopen(path.c_str(), "r+");
        if (file == nullptr) {
            return ExportTarget::NotAccessible;
        }
        std::fclose(file);
        return ExportTarget::Existing;
    }
    // "x": fails rather than opening a file that appeared meanwhile.
    std::FILE* probe = std::fopen(path.c_str(), "wx");
    if (probe == nullptr) {
        return ExportTarget::NotAccessible;
    }
    std::fclose(probe);
    std::remove(path.c_str());
    return ExportTarget::Creatable;
}

std::size_t CRawDataExporter::lineCount(const ExportSettings& settings, std::size_t populationCount,
                                        std::size_t cancerCount) {
    const std::size_t sexes = (settings.male ? 1U : 0U) + (settings.female ? 1U : 0U);
    return populationCount * cancerCount * sexes * static_cast<std::size_t>(kAgeGroupCount);
}

IoResult CRawDataExporter::writeData(CIncidenceStore& store, const ExportSettings& settings,
                                     const std::vector<ExportItem>& populations,
                                     const std::vector<ExportItem>& cancers, CAtomicFile& file,
                                     const ExportProgress& progress) {
    if (!validFormat(settings.format)) {
        return IoResult::failure(settings.dataPath, "cannot be written",
                                 "unknown export format " + std::to_string(settings.format));
    }
    const std::size_t total = lineCount(settings, populations.size(), cancers.size());
    std::size_t written = 0;
    // Lines are gathered and written in blocks of about this many bytes.
    constexpr std::size_t kFlushBytes = 1 << 16;
    std::string buffer;
    buffer.reserve(kFlushBytes + 1024);
    for (const auto& population : populations) {
        for (const Sex sex : kSingleSexes) {
            if (!(sex == Sex::Male ? settings.male : settings.female)) {
                continue;
            }
            for (const auto& cancer : cancers) {
                if (file.failed()) {
                    return file.result();
                }
                if (!store.load(population.number, cancer.number, sex)) {
                    return IoResult::failure(
                        settings.dataPath, "not written",
                        "no data for population " + std::to_string(population.number) +
                            ", cancer " + std::to_string(cancer.number) + ", sex " +
                            std::to_string(indexOf(sex)) +
                            (store.loadError().empty() ? "" : " (" + store.loadError() + ")"));
                }
                for (int age = 0; age < kAgeGroupCount; ++age) {
                    const auto a = static_cast<std::size_t>(age);
                    appendDataLine(buffer, settings.format, population.number, sex, cancer.number,
                                   age, store.cases()[a], store.personYears()[a]);
                }
                if (buffer.size() >= kFlushBytes) {
                    file.write(buffer);
                    buffer.clear();
                }
                written += static_cast<std::size_t>(kAgeGroupCount);
                if (progress && !progress(written, total)) {
                    return IoResult::failure(settings.dataPath, "not written", "export cancelled");
                }
            }
        }
    }
    file.write(buffer);
    return file.result();
}

IoResult CRawDataExporter::writeData(CIncidenceStore& store, const ExportSettings& settings,
                                     const std::vector<ExportItem>& populations,
                                     const std::vector<ExportItem>& cancers,
                                     const ExportProgress& progress) {
    CAtomicFile file(settings.dataPath);
    if (IoResult written = writeData(store, settings, populations, cancers, file, progress);
        !written.ok()) {
        return written;
    }
    return file.commit();
}

IoResult CRawDataExporter::writeLog(const ExportSettings& settings,
                                    const std::vector<ExportItem>& populations,
                                    const std::vector<ExportItem>& cancers) {
    return CAtomicFile::writeWhole(settings.logPath, logText(settings, populations, cancers));
}

std::string ExportOutcome::message() const {
    std::string text;
    for (const IoResult* result : {&data, &log}) {
        if (!result->ok()) {
            text += (text.empty() ? "" : "; ") + result->message;
        }
    }
    return text;
}

ExportOutcome CRawDataExporter::run(CIncidenceStore& store, const ExportSettings& settings) {
    const auto populationItems = populations(settings, store.registryGroups());
    const auto cancerItems = cancers(settings, store.cancerGroups());
    ExportOutcome outcome;
    CAtomicFile data(settings.dataPath);
    CAtomicFile log(settings.logPath);
    outcome.data = writeData(store, settings, populationItems, cancerItems, data, {});
    if (!outcome.data.ok()) {
        return outcome; // both temporary files go with their objects; the old pair stays
    }
    log.write(logText(settings, populationItems, cancerItems));
    if (IoResult failure = CAtomicFile::commitTogether({&data, &log}); !failure.ok()) {
        (data.failed() ? outcome.data : outcome.log) = std::move(failure);
    }
    return outcome;
}

} // namespace orvelan
