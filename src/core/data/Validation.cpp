#include "core/data/Validation.h"

#include "core/data/CCancerDictionary.h"
#include "core/data/Codes.h"

namespace orvelan {

namespace {

constexpr int kCumulativeRate = static_cast<int>(RateKind::CumulativeRate);
constexpr int kCumulativeRisk = static_cast<int>(RateKind::CumulativeRisk);

} // namespace

std::optional<std::string> ValidateAgeRange(int from, int to, int rateKind) {
    if (to < from) {
        return std::string(kInvalidAgeRange);
    }
    if (to >= kTopAgeGroup && (rateKind == kCumulativeRate || rateKind == kCumulativeRisk)) {
        return "Age range is invalid for cumulative rate/risk";
    }
    return std::nullopt;
}

std::optional<std::string> ValidateSelection(int from, int to, int cancer, bool isMale,
                                             const CUserGroupDictionary& cancerGroups) {
    if (cancer >= 0 &&
        !CCancerDictionary::occursIn(cancer, isMale ? Sex::Male : Sex::Female, &cancerGroups)) {
        return std::string(kInvalidSexSite);
    }
    if (to < from) {
        return std::string(kInvalidAgeRange);
    }
    return std::nullopt;
}

std::optional<std::string> ValidateItemCount(int count, int maximum) {
    if (count > maximum) {
        return std::string(kTooManyItems);
    }
    if (count < 0) {
        return std::string(kInvalidSexSite);
    }
    if (count == 0) {
        return "Invalid selection";
    }
    return std::nullopt;
}

bool rangeEndsInOpenTopClass(int to, int lastAgeGroup) {
    return to < kTopAgeGroup && to >= lastAgeGroup;
}

} // namespace orvelan
