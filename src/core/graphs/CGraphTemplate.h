#pragma once

#include "core/graphs/GraphSettings.h"
#include "core/io/IoResult.h"

#include <cstddef>
#include <string>
#include <string_view>

// The graph template file (.GPH): 2,864 bytes, little-endian, no header. Ten 32-bit header
// words, the registry and the cancer selection lists (321 words each), then a 256-byte title
// buffer: the text, one zero byte, and the character '0' in every byte after it.
namespace orvelan {

class CGraphTemplate {
  public:
    static constexpr std::size_t kHeaderWords = 10;
    static constexpr std::size_t kTitleOffset = 2608;
    static constexpr std::size_t kTitleSize = 256;
    static constexpr std::size_t kFileSize = kTitleOffset + kTitleSize; // 2864
    static constexpr std::size_t kMaxTitleLength = kTitleSize - 1;
    static constexpr std::string_view kExtension = ".GPH";

    /// The file's bytes. List slots at or beyond 272 (252) plus the number of user registry
    /// (cancer) groups are written as -1; the title is cut to 255 characters.
    static std::string encode(const GraphSettings& settings, int registryGroupCount,
                              int cancerGroupCount);
    /// Fills the template fields of settings from the bytes (the others are kept), bounding the
    /// lists by the current group counts. Nothing changes when the bytes are too few; the failure's
    /// message then says how many there are.
    static IoResult decode(std::string_view bytes, GraphSettings& settings, int registryGroupCount,
                           int cancerGroupCount);

    /// Writes a template through a temporary file. "File format not supported..." when the
    /// path does not end in ".GPH" (any case; nothing written), else the file and the reason.
    static IoResult write(const std::string& path, const GraphSettings& settings,
                          int registryGroupCount, int cancerGroupCount);
    /// Reads a template; on failure the file and the reason, with settings unchanged.
    static IoResult read(const std::string& path, GraphSettings& settings, int registryGroupCount,
                         int cancerGroupCount);

    /// "Type" column of the template list: "Age-specific", "Bar chart", "Pie chart",
    /// "Population pyramid", or "Unknown kind (7)" for a kind that is no graph.
    static std::string typeName(GraphKind kind);
    /// The same for the first word of a template file, as the template list reads it.
    static std::string typeName(int kind);
};

} // namespace orvelan
