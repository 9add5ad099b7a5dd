#include "core/data/AgeScope.h"

#include "core/data/Codes.h"

#include <algorithm>

namespace orvelan {

int ageScopeFromMaximum(int lastAgeGroup) { return std::max(0, lastAgeGroup - 1); }

std::string ageScopeFromText(int position) { return std::string(lowerLabel(position)); }

std::string ageScopeToText(int position, int lastAgeGroup) {
    if (position == lastAgeGroup && lastAgeGroup < kTopAgeGroup) {
        return openTopLabel(lastAgeGroup);
    }
    return std::string(upperLabel(position));
}

std::optional<std::pair<int, int>> readAgeScope(std::string_view fromText, std::string_view toText,
                                                int lastAgeGroup) {
    std::optional<int> from;
    std::optional<int> to;
    for (int group = 0; group <= kTopAgeGroup; ++group) {
        if (!from && lowerLabel(group) == fromText) {
            from = group;
        }
        if (!to && upperLabel(group) == toText) {
            to = group;
        }
    }
    if (toText.find('+') != std::string_view::npos) {
        to = lastAgeGroup;
    }
    if (!from || !to || *to < *from) {
        return std::nullopt;
    }
    return std::make_pair(*from, *to);
}

} // namespace orvelan
