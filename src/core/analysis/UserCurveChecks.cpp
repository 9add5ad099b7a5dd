#include "core/analysis/UserCurveChecks.h"

#include "core/io/Printf.h"

namespace orvelan {
namespace {

bool anyZero(const AgeArray& personYears, int from, int to) {
    for (int j = from; j <= to; ++j) {
        if (personYears[static_cast<std::size_t>(j)] == 0.0) {
            return true;
        }
    }
    return false;
}

std::string label(std::string_view text) { return std::string(text); }

} // namespace

int userCurveLastAgeGroup(const AgeArray& personYears) {
    int last = 0;
    for (int j = 0; j < kKnownAgeGroupCount; ++j) {
        if (personYears[static_cast<std::size_t>(j)] != 0.0) {
            last = j;
        }
    }
    return last;
}

std::optional<std::string> checkUserCurve(const AgeArray& personYears, int ageLow, int ageHigh) {
    const int last = userCurveLastAgeGroup(personYears);
    if (anyZero(personYears, 0, last)) {
        return formatText("You must enter person-years up to %s", label(upperLabel(last)).c_str());
    }
    if (ageHigh < kTopAgeGroup && ageLow >= 0 && ageLow <= ageHigh &&
        anyZero(personYears, ageLow, ageHigh)) {
        return formatText("You must enter person-years from %s up to %s",
                          label(lowerLabel(ageLow)).c_str(), label(upperLabel(ageHigh)).c_str());
    }
    return std::nullopt;
}

std::optional<std::string> userCurveWarning(const AgeArray& personYears) {
    const int last = userCurveLastAgeGroup(personYears);
    if (last >= kTopAgeGroup) {
        return std::nullopt;
    }
    return formatText("Warning: %s will be interpreted as %2.2s+", label(upperLabel(last)).c_str(),
                      label(lowerLabel(last)).c_str());
}

} // namespace orvelan
