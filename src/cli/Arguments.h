#pragma once

#include <string>
#include <vector>

namespace orvelan::cli {

/// Sex argument: "0"/"m"/"male" -> 0, "1"/"f"/"female" -> 1, and with allowBoth "2"/"both" -> 2.
int parseSex(const std::string& text, bool allowBoth);

/// A comma list of numbers and ranges such as "0-3,7,272": the numbers in the order given.
std::vector<int> parseNumberList(const std::string& text);

/// A number printed with a fixed count of decimals ("%.*f").
std::string fixed(double value, int decimals);

} // namespace orvelan::cli
