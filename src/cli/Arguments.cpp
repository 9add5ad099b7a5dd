#include "Arguments.h"

#include "CliError.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <cstdio>

namespace orvelan::cli {

namespace {

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool isWholeNumber(const std::string& text) {
    return !text.empty() && text.size() <= 9 &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

} // namespace

int parseWholeNumber(const std::string& text) {
    if (!isWholeNumber(text)) {
        throw usageError("not a whole number: '" + text + "'");
    }
    return std::stoi(text);
}

void requireWholeNumbers(CLI::App& app) {
    static const CLI::Validator wholeNumber(
        [](std::string& text) {
            return isWholeNumber(text) ? std::string() : "not a whole number: '" + text + "'";
        },
        "NUMBER");
    for (CLI::Option* option : app.get_options()) {
        if (option->get_type_name() == "INT") {
            option->check(wholeNumber);
        }
    }
    for (CLI::App* subcommand : app.get_subcommands({})) {
        requireWholeNumbers(*subcommand);
    }
}

Sex parseSex(const std::string& text, bool allowBoth) {
    const std::string sex = lowered(text);
    if (sex == "0" || sex == "m" || sex == "male") {
        return Sex::Male;
    }
    if (sex == "1" || sex == "f" || sex == "female") {
        return Sex::Female;
    }
    if (allowBoth && (sex == "2" || sex == "both")) {
        return Sex::Both;
    }
    throw usageError("invalid sex '" + text + "' (use 0 or 1" +
                     std::string(allowBoth ? ", or both)" : ")"));
}

std::vector<int> parseNumberList(const std::string& text, const std::function<void(int)>& check) {
    std::vector<int> numbers;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string item = text.substr(start, comma - start);
        const std::size_t dash = item.find('-');
        if (dash == std::string::npos) {
            numbers.push_back(parseWholeNumber(item));
            check(numbers.back());
        } else {
            const int first = parseWholeNumber(item.substr(0, dash));
            const int last = parseWholeNumber(item.substr(dash + 1));
            if (last < first) {
                throw usageError("empty range '" + item + "'");
            }
            check(first);
            check(last);
            for (int number = first; number <= last; ++number) {
                numbers.push_back(number);
            }
        }
        start = comma + 1;
    }
    return numbers;
}

std::string fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

} // namespace orvelan::cli
