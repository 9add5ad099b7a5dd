#pragma once

#include "core/data/Codes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace orvelan::cli {

/// A whole decimal number of at most nine digits ("07" is 7); anything else is a usage error
/// naming the text: "out of range" for a number ("-1", "2147483647"), "not a whole number"
/// otherwise ("", "0x10", "1e3", " 5").
int parseWholeNumber(const std::string& text);

/// Makes every integer option of app and its subcommands accept only whole decimal numbers
/// (see parseWholeNumber), naming what an option takes when a number is out of range
/// ("--from: out of range (0-17): '-1'"); call once after every command is registered.
void requireWholeNumbers(CLI::App& app);

/// Calls action each time command is parsed, before its arguments are (see restoreAtEachParse).
void onEachParse(CLI::App& command, std::function<void()> action);

/// Puts back the values options holds now (its defaults and the options bound to it: call
/// after binding them) each time command is parsed, so that a command line built once runs
/// every argument list as a fresh process would, with nothing left of an earlier one.
template <typename Options>
void restoreAtEachParse(CLI::App& command, const std::shared_ptr<Options>& options) {
    onEachParse(command, [options, defaults = *options] { *options = defaults; });
}

/// Sex argument: "0"/"m"/"male" -> male, "1"/"f"/"female" -> female, and with allowBoth
/// "2"/"both" -> both sexes.
Sex parseSex(const std::string& text, bool allowBoth);

/// A comma list of numbers and ranges such as "0-3,7,272": the numbers in the order given.
/// check is called on every single number and on both ends of a range before the range is
/// expanded (it throws to refuse), so that a range far out of bounds costs nothing; every list
/// option passes one, since a range between two valid ends holds only a few hundred numbers.
/// refuse is called (and throws) on the text of a number too large or negative for an int
/// ("-1", "99999999999999999999"), so that it is named as any number out of range is.
std::vector<int> parseNumberList(const std::string& text, const std::function<void(int)>& check,
                                 const std::function<void(const std::string&)>& refuse);

/// A title typed for a table, graph or template as the files keep it (Latin-1; UTF-8 from a
/// terminal is converted); a usage error when a character has no Latin-1 byte.
std::string titleArgument(const std::string& text);

/// A number printed with a fixed count of decimals ("%.*f").
std::string fixed(double value, int decimals);

} // namespace orvelan::cli
