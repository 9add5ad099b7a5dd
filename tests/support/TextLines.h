#pragma once

#include <string>
#include <vector>

namespace orvelan::test {

/// The lines of a text without their "\n" ends.
std::vector<std::string> linesOf(const std::string& text);

/// One line of a user dictionary file: the tag padded to 10, the name padded to 80, the
/// members as "%03d" numbers, then the terminator "-01".
std::string groupLine(const std::string& name, const std::string& members);

} // namespace orvelan::test
