#pragma once

#include "DataSet.h"

#include <cstddef>
#include <string>
#include <vector>

namespace orvelan::mkdata {

/// Lays the data set out byte for byte (little-endian, IEEE single precision, no header) and
/// writes ORVELAN.POP and ORVELAN.DAT with the empty Templates/ and work/ folders beside them.
class CDataSetWriter {
  public:
    static constexpr std::size_t kPopulationRecordSize = 86;
    static constexpr std::size_t kCasesRecordSize = 80;

    static std::vector<unsigned char> populationBytes(const DataSet& data);
    static std::vector<unsigned char> casesBytes(const DataSet& data);

    /// Writes both files into a directory (created when missing), each through a temporary file
    /// renamed into place. False with a message naming the file and the reason on failure.
    static bool write(const DataSet& data, const std::string& directory, std::string& error);
};

} // namespace orvelan::mkdata
