#include "TextLines.h"

#include <sstream>

namespace orvelan::test {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string groupLine(const std::string& name, const std::string& members) {
    std::string line = "ORVELAN   " + name;
    line.resize(90, ' ');
    return line + members + "-01\n";
}

} // namespace orvelan::test
