#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The "Templates" folder below the data directory, where report (.RPT) and graph (.GPH)
// templates live, and the rows of the template list pages.
namespace orvelan {

/// One row of a template list: "Name", "Type", "Created", "Modified".
struct TemplateListRow {
    std::string name;     // file name without its extension
    std::string path;     // full path of the file
    int kind = 0;         // the file's first 32-bit word
    std::string type;     // the kind's text, chosen by the caller's naming function
    std::string created;  // "%s %02d %s %4d-%02d:%02d", local time
    std::string modified; // same format
};

class CTemplateFolder {
  public:
    static constexpr std::string_view kFolderName = "Templates";
    /// Shown when a file name does not end in the extension of the kind being saved.
    static constexpr std::string_view kUnsupportedFormat = "File format not supported...";

    /// "<data directory>/Templates".
    static std::string folderOf(const std::string& dataDirectory);

    /// Files of a folder whose name ends in the extension (".RPT", ".GPH") in any case,
    /// sorted by name. A missing folder has none.
    static std::vector<std::string> find(const std::string& folder, std::string_view extension);
    static bool hasAny(const std::string& folder, std::string_view extension);

    /// The list rows of a folder: one per file whose first word can be read; the type text
    /// comes from typeName(kind).
    static std::vector<TemplateListRow> list(const std::string& folder, std::string_view extension,
                                             std::string (*typeName)(int kind));

    /// "Sunday 05 January 2003-09:07".
    static std::string formatTime(const std::tm& localTime);

    /// True when the last four characters of a path equal the extension, case ignored.
    static bool hasExtension(std::string_view path, std::string_view extension);

    /// Reads the first little-endian 32-bit word of a file; nullopt when it has fewer bytes or
    /// cannot be opened.
    static std::optional<int> readKind(const std::string& path);
};

} // namespace orvelan
