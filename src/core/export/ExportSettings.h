#pragma once

#include "core/data/Codes.h"

#include <string>

// The export wizard's choices, remembered by the application between runs.
namespace orvelan {

/// Format of the raw-data file: formatted text, tab-delimited text, comma-separated values.
enum class ExportFormat : int { Formatted = 0, TabDelimited = 1, CommaSeparated = 2 };
inline constexpr int kExportFormatCount = 3;

struct ExportSettings {
    int format = static_cast<int>(ExportFormat::Formatted);
    bool male = true;
    bool female = true;
    /// Per registry dictionary row (0-271) and user registry group (272 + k): the slot's own
    /// index when selected, -1 otherwise.
    SelectionList populationSelection = emptySelectionList();
    /// Per cancer number (0-251) and user cancer group (252 + k), likewise.
    SelectionList cancerSelection = emptySelectionList();
    std::string dataPath;
    std::string logPath;

    friend bool operator==(const ExportSettings&, const ExportSettings&) = default;
};

} // namespace orvelan
