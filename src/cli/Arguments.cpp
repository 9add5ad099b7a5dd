#include "Arguments.h"

#include "CliError.h"
#include "core/graphs/GraphWizardRules.h"
#include "core/io/TextEncoding.h"

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

/// Digits with an optional minus sign, however many: a number, if not one the options take.
bool isInteger(const std::string& text) {
    const std::size_t digits = !text.empty() && text.front() == '-' ? 1 : 0;
    return text.size() > digits &&
           std::all_of(text.begin() + static_cast<std::ptrdiff_t>(digits), text.end(),
                       [](unsigned char c) { return std::isdigit(c); });
}

std::string range(int first, int last) {
    return std::to_string(first) + "-" + std::to_string(last);
}

/// What a single number option takes, for the message of a number outside it ("" unknown).
std::string rangeOf(const std::string& option) {
    if (option == "--from" || option == "--to") {
        return range(0, kTopAgeGroup);
    }
    if (option == "--population") {
        return range(0, kPopulationCount - 1) + ", or " + std::to_string(kFirstRegistryGroup) +
               " and up";
    }
    if (option == "--cancer") {
        return range(0, kCancerCount - 1) + ", or " + std::to_string(kFirstCancerGroup) + " and up";
    }
    if (option == "--rate-kind") {
        return range(0, kRateKindCount - 1);
    }
    if (option == "--slices") {
        return range(kMinPieSlices, kMaxPieSlices);
    }
    return {};
}

/// One number of a list, or the end of a range; refuse is called on a number no list takes.
int listNumber(const std::string& text, const std::function<void(const std::string&)>& refuse) {
    if (!isWholeNumber(text) && isInteger(text)) {
        refuse(text);
    }
    return parseWholeNumber(text);
}

} // namespace

int parseWholeNumber(const std::string& text) {
    if (!isWholeNumber(text)) {
        throw usageError((isInteger(text) ? "out of range: '" : "not a whole number: '") + text +
                         "'");
    }
    return std::stoi(text);
}

void requireWholeNumbers(CLI::App& app) {
    for (CLI::Option* option : app.get_options()) {
        if (option->get_type_name() == "INT") {
            const std::string taken = rangeOf(option->get_name());
            option->check(CLI::Validator(
                [taken](std::string& text) {
                    if (isWholeNumber(text)) {
                        return std::string();
                    }
                    if (isInteger(text)) {
                        return (taken.empty() ? "out of range" : "out of range (" + taken + ")") +
                               std::string(": '") + text + "'";
                    }
                    return "not a whole number: '" + text + "'";
                },
                "NUMBER"));
        }
    }
    for (CLI::App* subcommand : app.get_subcommands({})) {
        requireWholeNumbers(*subcommand);
    }
}

void onEachParse(CLI::App& command, std::function<void()> action) {
    command.preparse_callback([action = std::move(action)](std::size_t) { action(); });
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

std::vector<int> parseNumberList(const std::string& text, const std::function<void(int)>& check,
                                 const std::function<void(const std::string&)>& refuse) {
    std::vector<int> numbers;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string item = text.substr(start, comma - start);
        // A leading minus is a negative number's ("-5"), not a range's dash.
        const std::size_t dash = item.find('-', 1);
        if (dash == std::string::npos) {
            numbers.push_back(listNumber(item, refuse));
            check(numbers.back());
        } else {
            const int first = listNumber(item.substr(0, dash), refuse);
            const int last = listNumber(item.substr(dash + 1), refuse);
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

std::string titleArgument(const std::string& text) {
    std::optional<std::string> title = fileText(text);
    if (!title) {
        throw usageError("the title '" + text +
                         "' has a character the files cannot keep (only Latin-1 text)");
    }
    return *title;
}

std::string fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

} // namespace orvelan::cli
