#pragma once

#include "core/io/TextFile.h"
#include "core/rates/ComparisonTexts.h"
#include "core/rates/CurvePair.h"

#include <optional>
#include <string>

// The two text layouts in which the results of a two-curve comparison are saved. Numbers are
// printed as they stand, -1 for results that are not available; the confidence intervals of
// the dialog are never saved.
namespace orvelan {

enum class ComparisonLayout {
    TabDelimited, // ".txt": one field per tab
    Formatted,    // ".prn": fixed-width columns
};

/// The layout a file name asks for by its last four characters (".TXT" or ".PRN", letter case
/// ignored); nullopt for any other name.
std::optional<ComparisonLayout> comparisonLayoutForFile(const std::string& path);

/// The whole saved text, "\n" line ends.
std::string comparisonText(const CurvePair& pair, const ComparisonTexts& texts,
                           ComparisonLayout layout);

/// Writes the layout chosen by the name's ending (".csv": every figure for a spreadsheet, see
/// comparisonNumbersCsv) through a temporary file: "File format not
/// supported..." for another ending (nothing written), or the file and the reason it could not
/// be written (an existing file is then left as it was).
SaveResult saveComparison(const std::string& path, const CurvePair& pair,
                          const ComparisonTexts& texts);

} // namespace orvelan
