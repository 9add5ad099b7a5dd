#pragma once

#include "core/io/TextFile.h"
#include "core/rates/UserCurve.h"

#include <optional>
#include <string>

// Analysis files (.STA): one user-entered curve as text. Line 1 is the title; lines 2-19 hold
// "cases person-years rate" for the age groups 0-4 ... 85+, rate per 100,000.
namespace orvelan {

/// A file read back: the curve, or (curve empty) the file and the reason it could not be used.
struct [[nodiscard]] AnalysisFileRead {
    std::optional<UserCurve> curve;
    IoResult result;
};

/// The file's text: "%s\n" with the title (line breaks in it become blanks), then 18 lines
/// "%.0f %.0f %.3f\n".
std::string analysisFileText(const UserCurve& curve);

/// Reads a curve from the text of a file; "\r\n" line ends are accepted. The title is cut to
/// 255 characters. A missing line, or a line without exactly three numbers >= 0, is an error
/// naming the line. Numbers keep double precision.
AnalysisFileRead parseAnalysisFile(const std::string& text, const std::string& path);

/// Reads and parses a file; an unreadable file is an error naming it.
AnalysisFileRead readAnalysisFile(const std::string& path);

/// Writes a curve through a temporary file: "File format not supported..." when the name does
/// not end in ".STA" (any letter case; nothing written), or the file and the reason it could not
/// be written.
SaveResult writeAnalysisFile(const std::string& path, const UserCurve& curve);

} // namespace orvelan
