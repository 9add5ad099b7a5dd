#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Shared by the fuzz targets: a scratch data directory of this process holding full-size data
// files (population 0 filled with person-years and cases, everything else zero) and helpers
// that put a fuzzed input in place of one file.
namespace orvelan::fuzz {

/// The scratch data directory; created on first use, with the current directory moved into a
/// scratch folder beside it so that outputs named by a fuzzed command line land there.
const std::string& dataDirectory();

/// Writes bytes as the whole file name of the data directory; returns its path.
std::string writeFile(const std::string& name, std::string_view bytes);

/// Puts the fixture's version of a data file back, then writes bytes from offset 0 and sets the
/// size to the layout's size plus sizeDelta (not below zero).
void patchDataFile(std::string_view name, std::string_view bytes, long sizeDelta);

/// Stops the run (a crash the fuzzer records) when text shows a figure that is not a number.
void requireFiniteText(std::string_view text);

} // namespace orvelan::fuzz
