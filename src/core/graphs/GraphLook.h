#pragma once

#include <optional>
#include <string_view>

// The two looks of every graph: the program's own, and one sized in points of the printed
// figure for papers and slides. A display choice of the user's, kept in the settings file; a
// graph template does not carry it.
namespace orvelan {

class CIniFile;

enum class GraphLook { Classic, Publication };

inline constexpr std::string_view kGraphLookSection = "Graph style";

/// "classic" or "publication".
std::optional<GraphLook> parseGraphLook(std::string_view name);
std::string_view graphLookName(GraphLook look);

/// The look in the settings file; Classic when it names none.
GraphLook readGraphLook(const CIniFile& file);
/// Writes a look other than Classic; Classic removes the section.
void writeGraphLook(GraphLook look, CIniFile& file);

} // namespace orvelan
