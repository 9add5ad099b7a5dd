#include "core/reports/ReportSummary.h"

#include "core/data/CCancerDictionary.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/reports/ReportItems.h"

namespace orvelan {

namespace {

constexpr const char* kLineEnd = "\r\n";

int groupCount(const CUserGroupDictionary* groups) {
    return groups == nullptr ? 0 : groups->count();
}

bool selected(const SelectionList& list, int slot) {
    return list[static_cast<std::size_t>(slot)] >= 0;
}

// The populations a report runs, so that the summary and the report's rows or columns agree;
// the slots naming a group that does not exist are told on a line of their own.
std::string populationLines(const SelectionList& registries, CIncidenceStore& store) {
    std::string text;
    const int groups = registryGroupCount(store);
    for (const int item : registryItems(registries, groups)) {
        text += store.populationLabelByNumber(item, true) + kLineEnd;
    }
    if (const auto note = leftOutRegistriesNote(registries, groups)) {
        text += *note + kLineEnd;
    }
    return text;
}

std::string cancerLines(const SelectionList& cancers, const CUserGroupDictionary* groups) {
    std::string text;
    for (int slot = 0; slot < kCancerCount; ++slot) {
        if (selected(cancers, slot)) {
            text += CCancerDictionary::label(slot) + kLineEnd;
        }
    }
    for (int k = 0; k < groupCount(groups); ++k) {
        if (selected(cancers, kFirstCancerGroup + k)) {
            text += groups->group(k).trimmedName() + kLineEnd;
        }
    }
    return text;
}

/// The rate line; values a damaged template may hold are shown as "?" instead of read past
/// the label tables.
std::string rateLine(const ReportBlock& block) {
    const bool kindKnown = block.rateKind >= 0 && block.rateKind < kRateKindCount;
    const bool rangeKnown = block.ageFrom >= 0 && block.ageFrom <= kTopAgeGroup &&
                            block.ageTo >= 0 && block.ageTo <= kTopAgeGroup;
    std::string text = kindKnown ? std::string(rateKindLabel(block.rateKind)) : "?";
    text += rangeKnown ? ageRangeSuffix(block.ageFrom, block.ageTo) : " (?)";
    if (block.interval != 0) {
        text += " [95% CI]";
    }
    return text;
}

} // namespace

std::string reportSummaryText(const ReportChoices& choices, CIncidenceStore& store) {
    const ReportBlock& block = choices.block;
    std::string text = "\tPopulations:\r\n";
    text += populationLines(choices.registries, store);
    text += "\tCancers:\r\n";
    text += cancerLines(choices.cancers, store.cancerGroups());
    text += "\tSexes:\r\n";
    if (block.includesMales()) {
        text += std::string(sexLabel(Sex::Male, block.ageTo)) + kLineEnd;
    }
    if (block.includesFemales()) {
        text += std::string(sexLabel(Sex::Female, block.ageTo)) + kLineEnd;
    }
    text += "\tRate:\r\n";
    text += rateLine(block);
    text += "\r\n\tLayout:\r\nRows arranged by ";
    text += block.arrangement != 0 ? "Cancer/sex" : "Registry";
    return text;
}

} // namespace orvelan
