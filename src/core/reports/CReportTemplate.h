#pragma once

#include "core/io/IoResult.h"
#include "core/reports/ReportBlock.h"

#include <cstddef>
#include <string>
#include <string_view>

// The report template file (.RPT): 2,612 bytes, 653 little-endian 32-bit integers: the result
// block (11), the registry selection list (321) and the cancer selection list (321). The title
// of a standard table is not part of it.
namespace orvelan {

class CReportTemplate {
  public:
    static constexpr std::size_t kRegistriesOffset = 4 * ReportBlock::kFieldCount; // 44
    static constexpr std::size_t kCancersOffset = kRegistriesOffset + 4 * kSelectionListSize;
    static constexpr std::size_t kFileSize = kCancersOffset + 4 * kSelectionListSize; // 2612
    static constexpr std::string_view kExtension = ".RPT";

    /// The file's bytes; list slots at or beyond 272 (252) plus the number of user registry
    /// (cancer) groups are written as -1.
    static std::string encode(const ReportChoices& choices, int registryGroupCount,
                              int cancerGroupCount);
    /// Fills the block and both lists from the bytes (the title is kept), bounding the lists by
    /// the current group counts. Nothing changes when the bytes are too few; the failure's
    /// message then says how many there are.
    static IoResult decode(std::string_view bytes, ReportChoices& choices, int registryGroupCount,
                           int cancerGroupCount);

    /// Writes a template through a temporary file. "File format not supported..." when the
    /// path does not end in ".RPT" (any case; nothing written), else the file and the reason.
    static IoResult write(const std::string& path, const ReportChoices& choices,
                          int registryGroupCount, int cancerGroupCount);
    /// Reads a template; on failure the file and the reason, with choices unchanged.
    static IoResult read(const std::string& path, ReportChoices& choices, int registryGroupCount,
                         int cancerGroupCount);

    /// "Type" column of the template list: "Summary rate", "Age-specific", or "Report" for any
    /// other kind.
    static std::string typeName(int kind);
};

} // namespace orvelan
