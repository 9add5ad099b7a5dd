#include "core/app/AppSettings.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace orvelan {

namespace {

struct ColourKey {
    std::string_view section;
    std::string_view key;
    ColourValue AppSettings::*member;
};

// Reading order of the colours; NumberOfSlices of "Pie" is read after them.
constexpr std::array<ColourKey, 9> kReadOrder = {{
    {"Age", "BkColour", &AppSettings::ageBackground},
    {"Age", "TextColour", &AppSettings::ageText},
    {"Bar", "BkColour", &AppSettings::barBackground},
    {"Bar", "TextColour", &AppSettings::barText},
    {"Bar", "Incidence", &AppSettings::barIncidence},
    {"Pie", "TextColour", &AppSettings::pieText},
    {"Pie", "BkColour", &AppSettings::pieBackground},
    {"Pop", "TextColour", &AppSettings::popText},
    {"Pop", "BkColour", &AppSettings::popBackground},
}};

// Writing order: as read, but background before text in "Pie" and "Pop".
constexpr std::array<ColourKey, 9> kWriteOrder = {{
    {"Age", "BkColour", &AppSettings::ageBackground},
    {"Age", "TextColour", &AppSettings::ageText},
    {"Bar", "BkColour", &AppSettings::barBackground},
    {"Bar", "TextColour", &AppSettings::barText},
    {"Bar", "Incidence", &AppSettings::barIncidence},
    {"Pie", "BkColour", &AppSettings::pieBackground},
    {"Pie", "TextColour", &AppSettings::pieText},
    {"Pop", "BkColour", &AppSettings::popBackground},
    {"Pop", "TextColour", &AppSettings::popText},
}};

constexpr std::string_view kPieSection = "Pie";
constexpr std::string_view kSlicesKey = "NumberOfSlices";

} // namespace

AppSettings readAppSettings(const CIniFile& file) {
    AppSettings settings;
    for (const ColourKey& entry : kReadOrder) {
        const std::string fallback = formatColour(settings.*entry.member);
        const std::string text = file.string(entry.section, entry.key, fallback);
        if (const std::optional<ColourValue> colour = parseColour(text)) {
            settings.*entry.member = *colour;
        }
    }
    // A slice count below 1 could draw nothing; it falls back to the default.
    const int slices = file.integer(kPieSection, kSlicesKey, settings.pieSlices);
    if (slices >= 1) {
        settings.pieSlices = slices;
    }
    return settings;
}

void writeAppSettings(const AppSettings& settings, CIniFile& file) {
    for (const ColourKey& entry : kWriteOrder) {
        file.setString(entry.section, entry.key, formatColour(settings.*entry.member));
    }
    file.setInteger(kPieSection, kSlicesKey, settings.pieSlices);
}

AppSettings settingsOfGraph(const GraphSettings& graph) {
    AppSettings settings;
    settings.ageBackground = graph.ageBackground;
    settings.ageText = graph.ageText;
    settings.barBackground = graph.barBackground;
    settings.barText = graph.barText;
    settings.barIncidence = graph.barIncidence;
    settings.pieText = graph.pieText;
    settings.pieBackground = graph.pieBackground;
    settings.popText = graph.popText;
    settings.popBackground = graph.popBackground;
    settings.pieSlices = graph.sliceCount;
    return settings;
}

void applySettingsToGraph(const AppSettings& settings, GraphSettings& graph) {
    graph.ageBackground = settings.ageBackground;
    graph.ageText = settings.ageText;
    graph.barBackground = settings.barBackground;
    graph.barText = settings.barText;
    graph.barIncidence = settings.barIncidence;
    graph.pieText = settings.pieText;
    graph.pieBackground = settings.pieBackground;
    graph.popText = settings.popText;
    graph.popBackground = settings.popBackground;
    graph.sliceCount = settings.pieSlices;
}

std::vector<std::string> readRecentFiles(const CIniFile& file) {
    std::vector<std::string> paths;
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const std::string path = file.string(kRecentFileSection, "File" + std::to_string(i), "");
        if (!path.empty()) {
            paths.push_back(path);
        }
    }
    return paths;
}

void writeRecentFiles(const std::vector<std::string>& paths, CIniFile& file) {
    file.removeSection(kRecentFileSection);
    const std::size_t count = std::min(paths.size(), static_cast<std::size_t>(kRecentFileCount));
    for (std::size_t i = 0; i < count; ++i) {
        file.setString(kRecentFileSection, "File" + std::to_string(i + 1), paths[i]);
    }
}

int readPreviewPages(const CIniFile& file) { return file.integer("Settings", "PreviewPages", 0); }

void writePreviewPages(int pages, CIniFile& file) {
    if (pages != 0) {
        file.setInteger("Settings", "PreviewPages", pages);
    }
}

} // namespace orvelan
