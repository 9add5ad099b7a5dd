#include "core/analysis/CurveTable.h"

#include "core/analysis/StatsWizardTexts.h"
#include "core/io/TextFile.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

namespace orvelan {

namespace {

char separatorOf(std::string_view text) {
    for (const char candidate : {'\t', ';', ','}) {
        if (text.find(candidate) != std::string_view::npos) {
            return candidate;
        }
    }
    return ' ';
}

/// The fields of a line; double quotes group a field and "" inside them is a quote. With blank
/// separation, runs of blanks separate once.
std::vector<std::string> fieldsOf(std::string_view line, char separator) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (!quoted && (c == separator || (separator == ' ' && c == '\t'))) {
            if (separator != ' ' || !fields.back().empty()) {
                fields.emplace_back();
            }
        } else {
            fields.back() += c;
        }
    }
    if (separator == ' ' && fields.size() > 1 && fields.back().empty()) {
        fields.pop_back();
    }
    for (auto& field : fields) {
        field = std::string(trimmedText(field));
    }
    return fields;
}

/// The number a field holds; nullopt for anything else. A decimal comma counts as a point.
std::optional<double> numberOf(std::string field, char separator) {
    if (separator != ',' && field.find(',') == field.rfind(',') &&
        field.find('.') == std::string::npos) {
        if (const auto comma = field.find(','); comma != std::string::npos) {
            field[comma] = '.';
        }
    }
    if (!field.empty() && field.front() == '+') {
        field.erase(0, 1);
    }
    double value = 0.0;
    const char* end = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), end, value);
    if (field.empty() || ec != std::errc() || ptr != end) {
        // from_chars gives up on "inf" of a huge exponent as out of range: it is a number that
        // cannot be used, not text.
        if (ec == std::errc::result_out_of_range && ptr == end) {
            return HUGE_VAL;
        }
        return std::nullopt;
    }
    return value;
}

std::string rowText(std::size_t line) { return "Row " + std::to_string(line) + ": "; }

} // namespace

CurveTableRead parseCurveTable(std::string_view text) {
    const char separator = separatorOf(text);
    CurveTableRows rows;
    std::size_t count = 0;
    std::size_t line = 0;
    bool firstContent = true;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view content = trimmedText(text.substr(start, end - start));
        start = end + 1;
        ++line;
        if (content.empty()) {
            continue;
        }
        std::vector<std::string> fields = fieldsOf(content, separator);
        // Three columns: the age group ("0-4", "85+" or its lower bound) before the two numbers.
        if (fields.size() == 3) {
            fields.erase(fields.begin());
        }
        // A header names its columns: none of its fields is a number.
        const bool isHeader = firstContent && [&] {
            for (const auto& field : fields) {
                if (numberOf(field, separator)) {
                    return false;
                }
            }
            return true;
        }();
        firstContent = false;
        if (isHeader) {
            continue;
        }
        if (fields.size() != 2) {
            return {std::nullopt,
                    rowText(line) + "two numbers are needed, cases and person-years."};
        }
        std::array<double, 2> values{};
        for (std::size_t i = 0; i < 2; ++i) {
            const auto value = numberOf(fields[i], separator);
            if (!value) {
                return {std::nullopt, rowText(line) + "\"" + fields[i] + "\" is not a number."};
            }
            if (!std::isfinite(*value) || *value < 0.0) {
                return {std::nullopt, rowText(line) + "\"" + fields[i] +
                                          "\": numbers must be finite and not negative."};
            }
            values[i] = *value;
        }
        if (count < rows.cases.size()) {
            rows.cases[count] = values[0];
            rows.personYears[count] = values[1];
        }
        ++count;
    }
    if (count != rows.cases.size()) {
        return {std::nullopt, "The table has " + std::to_string(count) +
                                  " rows of numbers; 18 are needed, one for each age group "
                                  "0-4 ... 85+."};
    }
    return {rows, {}};
}

UserCurve userCurveOfTable(const CurveTableRows& rows, std::string title) {
    UserCurve curve;
    curve.title = std::move(title);
    curve.cases = rows.cases;
    curve.personYears = rows.personYears;
    for (std::size_t group = 0; group < static_cast<std::size_t>(kKnownAgeGroupCount); ++group) {
        curve.rates[group] =
            typedRowRate(curve.cases[group], curve.personYears[group]).value_or(0.0);
    }
    return curve;
}

} // namespace orvelan
