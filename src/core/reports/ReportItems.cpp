#include "core/reports/ReportItems.h"

#include "core/data/CCancerDictionary.h"
#include "core/data/CRegistryDictionary.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/io/NumberText.h"
#include "core/io/Printf.h"
#include "core/rates/RateIntervals.h"

namespace orvelan {

std::vector<int> registryValues(const SelectionList& registries) {
    std::vector<int> items;
    for (int value : registries) {
        if (value < 0) {
            continue;
        }
        if (value >= kFirstRegistryGroup) {
            items.push_back(value);
            continue;
        }
        const int population = CRegistryDictionary::populationNumber(value);
        if (population >= 0 && population < kPopulationCount) {
            items.push_back(population);
        }
    }
    return items;
}

bool isMissingRegistryGroup(int item, int groupCount) {
    return item >= kFirstRegistryGroup + groupCount;
}

std::vector<int> registryItems(const SelectionList& registries, int groupCount) {
    std::vector<int> items = registryValues(registries);
    std::erase_if(items,
                  [groupCount](int item) { return isMissingRegistryGroup(item, groupCount); });
    return items;
}

std::vector<int> missingRegistryGroups(const SelectionList& registries, int groupCount) {
    std::vector<int> items = registryValues(registries);
    std::erase_if(items,
                  [groupCount](int item) { return !isMissingRegistryGroup(item, groupCount); });
    return items;
}

std::optional<std::string> leftOutRegistriesNote(const SelectionList& registries, int groupCount) {
    const std::vector<int> missing = missingRegistryGroups(registries, groupCount);
    if (missing.empty()) {
        return std::nullopt;
    }
    std::string note = "Left out:";
    for (std::size_t i = 0; i < missing.size(); ++i) {
        note += (i == 0 ? " " : ", ") + std::to_string(missing[i]);
    }
    return note + " " + kNoSuchRegistryGroup;
}

int registryGroupCount(const CIncidenceStore& store) {
    return store.registryGroups() == nullptr ? 0 : store.registryGroups()->count();
}

std::vector<int> cancerItems(const SelectionList& cancers, Sex sex, const CIncidenceStore& store) {
    std::vector<int> items;
    for (int slot = 0; slot < kSelectionListSize; ++slot) {
        if (cancers[static_cast<std::size_t>(slot)] >= 0 && cancerOccursIn(store, slot, sex)) {
            items.push_back(slot);
        }
    }
    return items;
}

bool cancerOccursIn(const CIncidenceStore& store, int cancer, Sex sex) {
    return CCancerDictionary::occursIn(cancer, sex, store.cancerGroups());
}

bool cancerIsSingleSex(const CIncidenceStore& store, int cancer) {
    return cancerOccursIn(store, cancer, Sex::Male) != cancerOccursIn(store, cancer, Sex::Female);
}

std::string registryLabel(CIncidenceStore& store, int registry, bool withYears) {
    return store.populationLabelByNumber(registry, withYears);
}

std::string cancerLabel(CIncidenceStore& store, int cancer) { return store.cancerLabel(cancer); }

bool loadItem(CIncidenceStore& store, int registry, int cancer, Sex sex) {
    return store.load(registry, cancer, sex);
}

std::string rateCellText(CIncidenceStore& store, RateKind kind, int from, int to,
                         IntervalStyle style, const IntervalChoice& intervals,
                         const StandardChoice& standards) {
    const RateWithInterval computed =
        computeRateWithInterval(store.series(), kind, from, to, intervals, standards);
    const RateResult& r = computed.rate;
    const bool isCount = kind == RateKind::NumberOfCases;
    if (isCount && (style == IntervalStyle::None || !computed.interval.ok)) {
        return wholeText(r.value, 9);
    }
    if (!r.ok) {
        return "N.A.";
    }
    const double lower = computed.interval.limits.lower;
    const double upper = computed.interval.limits.upper;
    switch (style) {
    case IntervalStyle::Words:
        return formatText(isCount ? "%9.0f (%.2f to %.2f)" : "%9.2f (%.2f to %.2f)", r.value, lower,
                          upper);
    case IntervalStyle::Brackets:
        return formatText(isCount ? "%9.0f [%.2f,%.2f]" : "%9.2f [%.2f,%.2f]", r.value, lower,
                          upper);
    case IntervalStyle::None:
        break;
    }
    return formatText("%9.2f", r.value);
}

CTextGrid labelledGrid(const std::string& title, const std::vector<std::string>& headings,
                       const std::vector<int>& rowItems,
                       const std::function<std::string(int item)>& rowLabel,
                       const std::function<std::string(int item, int column)>& cell) {
    const int rows = static_cast<int>(rowItems.size());
    const int columns = static_cast<int>(headings.size());
    CTextGrid grid(rows + 1, columns + 1);
    grid.setText(0, 0, title);
    for (int c = 1; c <= columns; ++c) {
        grid.setText(0, c, headings[static_cast<std::size_t>(c - 1)]);
    }
    for (int r = 1; r <= rows; ++r) {
        const int item = rowItems[static_cast<std::size_t>(r - 1)];
        grid.setText(r, 0, rowLabel(item));
        for (int c = 1; c <= columns; ++c) {
            grid.setText(r, c, cell(item, c - 1));
        }
    }
    return grid;
}

std::vector<int> RateTableRows::items(CIncidenceStore& store, const SelectionList& registries,
                                      const SelectionList& cancers) const {
    return rowsAreRegistries ? registryItems(registries, registryGroupCount(store))
                             : cancerItems(cancers, sex, store);
}

std::string RateTableRows::subject(CIncidenceStore& store) const {
    return rowsAreRegistries ? cancerLabel(store, fixedCancer)
                             : registryLabel(store, fixedRegistry, registryYears);
}

bool RateTableRows::titleNamesSex(const CIncidenceStore& store) const {
    return !(rowsAreRegistries && cancerIsSingleSex(store, fixedCancer));
}

CTextGrid RateTableRows::grid(CIncidenceStore& store, const std::string& title,
                              const std::vector<std::string>& headings,
                              const std::vector<int>& items,
                              const std::function<std::string(int item, int column)>& cell) const {
    CTextGrid grid = labelledGrid(
        title, headings, items,
        [&](int item) {
            return rowsAreRegistries ? registryLabel(store, item, registryYears)
                                     : cancerLabel(store, item);
        },
        cell);
    grid.setLabelColumnName(rowsAreRegistries ? "Registry name" : "Cancer label");
    return grid;
}

} // namespace orvelan
