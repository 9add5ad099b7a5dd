#include "ReportNumbersText.h"

#include "CliError.h"
#include "core/io/NumberText.h"
#include "core/io/TextFile.h"

#include <cmath>
#include <nlohmann/json.hpp>

namespace orvelan::cli {

namespace {

/// Leading and trailing blanks of the fixed-width labels say nothing in a data file.
std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string jsonString(const std::string& text) {
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string csvField(const std::string& text) { return quotedField(text, ','); }

void appendNumber(std::string& out, const std::optional<double>& value, bool json) {
    if (json && !(value && std::isfinite(*value))) {
        out += "null";
        return;
    }
    appendNumberField(out, value);
}

} // namespace

ReportNumberFormat parseReportNumberFormat(const std::string& text) {
    if (text == "csv") {
        return ReportNumberFormat::Csv;
    }
    if (text == "jsonl") {
        return ReportNumberFormat::JsonLines;
    }
    throw usageError("invalid format '" + text + "' (use csv or jsonl)");
}

void appendReportNumbers(std::string& out, ReportNumberFormat format, int table, Sex sex,
                         const CTextGrid& grid, const NumberGrid& numbers, bool first) {
    const bool json = format == ReportNumberFormat::JsonLines;
    if (!json && first) {
        out += "table,sex,row,column,row_label,column_label,value,lower,upper\n";
    }
    for (std::size_t r = 0; r < numbers.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        for (std::size_t c = 0; c < numbers[r].size(); ++c) {
            const int column = static_cast<int>(c) + 1;
            const std::string rowLabel = trimmed(grid.text(row, 0));
            const std::string columnLabel = trimmed(grid.text(0, column));
            const GridNumber& n = numbers[r][c];
            if (json) {
                out += "{\"table\":" + std::to_string(table) +
                       ",\"sex\":" + std::to_string(indexOf(sex)) +
                       ",\"row\":" + std::to_string(row) + ",\"column\":" + std::to_string(column) +
                       ",\"row_label\":" + jsonString(rowLabel) +
                       ",\"column_label\":" + jsonString(columnLabel) + ",\"value\":";
                appendNumber(out, n.value, true);
                out += ",\"lower\":";
                appendNumber(out, n.lower, true);
                out += ",\"upper\":";
                appendNumber(out, n.upper, true);
                out += "}\n";
                continue;
            }
            out += std::to_string(table) + "," + std::to_string(indexOf(sex)) + "," +
                   std::to_string(row) + "," + std::to_string(column) + "," + csvField(rowLabel) +
                   "," + csvField(columnLabel) + ",";
            appendNumber(out, n.value, false);
            out += ',';
            appendNumber(out, n.lower, false);
            out += ',';
            appendNumber(out, n.upper, false);
            out += '\n';
        }
    }
}

} // namespace orvelan::cli
