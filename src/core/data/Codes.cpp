#include "core/data/Codes.h"

#include <cassert>

namespace orvelan {

namespace {

constexpr std::array<std::string_view, kAgeGroupCount> kLowerLabels = {
    " 0-", " 5-", "10-", "15-", "20-", "25-", "30-", "35-", "40-", "45-",
    "50-", "55-", "60-", "65-", "70-", "75-", "80-", "85-", "Unk"};

constexpr std::array<std::string_view, kKnownAgeGroupCount> kUpperLabels = {
    " 4", " 9", "14", "19", "24", "29", "34", "39", "44",
    "49", "54", "59", "64", "69", "74", "79", "84", "85+"};

constexpr std::array<std::string_view, 20> kColumnHeadings = {
    " 0-", " 5-", "10-", "15-", "20-", "25-", "30-", "35-", "40-", "45-",
    "50-", "55-", "60-", "65-", "70-", "75-", "80-", "85+", "Unk", "All ages"};

constexpr std::array<std::string_view, 6> kSexLabels = {"Male", "Female", "Both sexes",
                                                        "Boys", "Girls",  "Children"};

constexpr std::array<std::string_view, kRateKindCount> kRateKindLabels = {
    "Crude rate",      "ASR (World)",     "ASR (European)",
    "Cumulative rate", "Cumulative risk", "Number of cases"};

} // namespace

SelectionList emptySelectionList() {
    SelectionList list{};
    list.fill(-1);
    return list;
}

std::string_view lowerLabel(int ageGroup) {
    assert(ageGroup >= 0 && ageGroup < kAgeGroupCount);
    return kLowerLabels[static_cast<std::size_t>(ageGroup)];
}

std::string_view upperLabel(int ageGroup) {
    assert(ageGroup >= 0 && ageGroup < kKnownAgeGroupCount);
    return kUpperLabels[static_cast<std::size_t>(ageGroup)];
}

std::string_view columnHeading(int index) {
    assert(index >= 0 && index < static_cast<int>(kColumnHeadings.size()));
    return kColumnHeadings[static_cast<std::size_t>(index)];
}

std::string_view sexLabel(Sex sex, int to) {
    assert(sexFromIndex(indexOf(sex)).has_value());
    const int index = to < 4 ? indexOf(sex) + 3 : indexOf(sex);
    return kSexLabels[static_cast<std::size_t>(index)];
}

std::string_view rateKindLabel(int rateKind) {
    assert(rateKind >= 0 && rateKind < kRateKindCount);
    return kRateKindLabels[static_cast<std::size_t>(rateKind)];
}

std::string ageRangeSuffix(int from, int to) {
    if (from == kTopAgeGroup && to == kTopAgeGroup) {
        return " (age 85+)";
    }
    if (from == 0 && to == kTopAgeGroup) {
        return " (All ages)";
    }
    std::string suffix = " (age ";
    suffix += lowerLabel(from);
    suffix += upperLabel(to);
    suffix += ")";
    return suffix;
}

std::string openTopLabel(int lastAgeGroup) {
    std::string label(lowerLabel(lastAgeGroup).substr(0, 2));
    label += '+';
    return label;
}

} // namespace orvelan
