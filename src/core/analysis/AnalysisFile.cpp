#include "core/analysis/AnalysisFile.h"

#include "core/io/Printf.h"
#include "core/io/ReadFile.h"
#include "core/io/TextFile.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace orvelan {
namespace {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool lastLine = end == std::string::npos;
        if (lastLine) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

/// Largest count, person-years or rate a line may hold: far above any registry's figures, far
/// enough below the double's range that sums and products over 18 groups stay finite.
constexpr double kMaxValue = 1e12;

/// Exactly three finite numbers separated by blanks; nullopt otherwise.
std::optional<std::array<double, 3>> threeNumbers(const std::string& line) {
    std::array<double, 3> values{};
    const char* cursor = line.c_str();
    for (double& value : values) {
        char* end = nullptr;
        value = std::strtod(cursor, &end);
        if (end == cursor || !std::isfinite(value)) {
            return std::nullopt;
        }
        cursor = end;
    }
    while (*cursor != '\0') {
        if (!isBlank(*cursor++)) {
            return std::nullopt;
        }
    }
    return values;
}

/// A line that holds no usable numbers: the message names the file and the line.
IoResult lineFailure(const std::string& path, std::size_t lineNumber) {
    const std::string reason =
        "expected cases, person-years and rate (three numbers from 0 to 1e12)";
    IoResult result = IoResult::failure(path, formatText("line %zu", lineNumber), reason);
    result.message =
        formatText("File '%s', line %zu: %s", path.c_str(), lineNumber, reason.c_str());
    return result;
}

} // namespace

std::string analysisFileText(const UserCurve& curve) {
    std::string title = curve.title;
    for (char& c : title) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    std::string text = formatText("%s\n", title.c_str());
    for (std::size_t i = 0; i < curve.cases.size(); ++i) {
        text +=
            formatText("%.0f %.0f %.3f\n", curve.cases[i], curve.personYears[i], curve.rates[i]);
    }
    return text;
}

AnalysisFileRead parseAnalysisFile(const std::string& text, const std::string& path) {
    AnalysisFileRead result;
    const std::vector<std::string> lines = splitLines(text);
    if (lines.empty()) {
        result.result = IoResult::failure(path, "is empty", "");
        return result;
    }
    UserCurve curve;
    curve.title = lines[0].substr(0, UserCurve::kMaxTitleLength);
    for (std::size_t group = 0; group < curve.cases.size(); ++group) {
        const std::size_t lineNumber = group + 2;
        if (lines.size() < lineNumber) {
            result.result = IoResult::failure(
                path, formatText("holds only %zu of the 18 age-group lines", lines.size() - 1), "");
            return result;
        }
        const std::optional<std::array<double, 3>> values = threeNumbers(lines[group + 1]);
        const auto outOfRange = [](double value) { return value < 0.0 || value > kMaxValue; };
        if (!values || outOfRange((*values)[0]) || outOfRange((*values)[1]) ||
            outOfRange((*values)[2])) {
            result.result = lineFailure(path, lineNumber);
            return result;
        }
        curve.cases[group] = (*values)[0];
        curve.personYears[group] = (*values)[1];
        curve.rates[group] = (*values)[2];
    }
    result.curve = std::move(curve);
    return result;
}

AnalysisFileRead readAnalysisFile(const std::string& path) {
    std::string bytes;
    if (IoResult read = readFileBytes(path, bytes); !read.ok()) {
        AnalysisFileRead result;
        result.result = std::move(read);
        return result;
    }
    return parseAnalysisFile(bytes, path);
}

SaveResult writeAnalysisFile(const std::string& path, const UserCurve& curve) {
    if (!hasExtension(path, ".STA")) {
        return IoResult::refusal(IoStatus::UnsupportedFormat, kUnsupportedFormatMessage);
    }
    return writeFileAtomically(path, analysisFileText(curve));
}

} // namespace orvelan
