#pragma once

#include "core/graphs/GraphSettings.h"
#include "core/io/CIniFile.h"
#include "core/io/Colour.h"

#include <string>
#include <vector>

// The ten values the program keeps in its settings file between runs: the colours of the four
// graph kinds and the number of pie slices, plus the framework entries (recent files, the print
// preview page count) that share the file.
namespace orvelan {

struct AppSettings {
    ColourValue ageBackground = kWhite; // age-specific curve graphs
    ColourValue ageText = kBlack;
    ColourValue barBackground = kWhite; // bar charts
    ColourValue barText = kBlack;
    ColourValue barIncidence = kBlue; // the incidence bars
    ColourValue pieText = kBlack;     // pie charts
    ColourValue pieBackground = kWhite;
    ColourValue popText = kBlack; // population pyramids
    ColourValue popBackground = kWhite;
    int pieSlices = 5; // slices of a pie chart before the rest is grouped

    bool operator==(const AppSettings&) const = default;
};

inline constexpr int kRecentFileCount = 10;
inline constexpr std::string_view kRecentFileSection = "Recent File List";

/// Reads the ten values; a missing key or an unreadable value keeps its default.
AppSettings readAppSettings(const CIniFile& file);
/// Writes the ten values: sections Age, Bar, Pie, Pop with background before text colour.
void writeAppSettings(const AppSettings& settings, CIniFile& file);

/// The ten values as the remembered graph choices carry them.
AppSettings settingsOfGraph(const GraphSettings& graph);
/// Puts the ten values into the remembered graph choices.
void applySettingsToGraph(const AppSettings& settings, GraphSettings& graph);

/// Keys "File1" to "File10" of "Recent File List"; empty entries are skipped.
std::vector<std::string> readRecentFiles(const CIniFile& file);
/// Replaces the section by the given paths as "File1", "File2", ... (at most ten).
void writeRecentFiles(const std::vector<std::string>& paths, CIniFile& file);

/// "PreviewPages" of section "Settings": pages the print preview shows at once (0: default).
int readPreviewPages(const CIniFile& file);
/// Written only when not 0, as the framework does.
void writePreviewPages(int pages, CIniFile& file);

} // namespace orvelan
