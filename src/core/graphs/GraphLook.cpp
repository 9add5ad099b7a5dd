#include "core/graphs/GraphLook.h"

#include "core/io/CIniFile.h"

namespace orvelan {

std::optional<GraphLook> parseGraphLook(std::string_view name) {
    if (name == "classic") {
        return GraphLook::Classic;
    }
    if (name == "publication") {
        return GraphLook::Publication;
    }
    return std::nullopt;
}

std::string_view graphLookName(GraphLook look) {
    return look == GraphLook::Publication ? "publication" : "classic";
}

GraphLook readGraphLook(const CIniFile& file) {
    return parseGraphLook(file.string(kGraphLookSection, "Style", "classic"))
        .value_or(GraphLook::Classic);
}

void writeGraphLook(GraphLook look, CIniFile& file) {
    file.removeSection(kGraphLookSection);
    if (look != GraphLook::Classic) {
        file.setString(kGraphLookSection, "Style", graphLookName(look));
    }
}

} // namespace orvelan
