#include "core/graphs/GraphWizardRules.h"

#include "core/data/CCancerDictionary.h"
#include "core/data/Validation.h"
#include "core/graphs/GraphSettings.h"

namespace orvelan {

std::optional<std::string> validateGraphSettings(const GraphSettings& settings,
                                                 const CUserGroupDictionary& cancerGroups) {
    const GraphSettings& s = settings;
    switch (s.kind) {
    case GraphKind::BarChart:
        if (auto problem = ValidateAgeRange(s.ageFrom, s.ageTo, indexOf(s.rateKind))) {
            return problem;
        }
        if (s.barChartType == BarChartType::Cancer) {
            return ValidateSelection(s.ageFrom, s.ageTo, s.cancer, s.sex == Sex::Male,
                                     cancerGroups);
        }
        return std::nullopt;
    case GraphKind::PieChart:
        return ValidateAgeRange(s.ageFrom, s.ageTo, indexOf(RateKind::CrudeRate));
    default:
        return std::nullopt;
    }
}

IoResult checkGraphTemplateSettings(const std::string& file, const GraphSettings& settings,
                                    const CUserGroupDictionary& cancerGroups) {
    if (auto problem = validateGraphSettings(settings, cancerGroups)) {
        return IoResult::failure(file, "cannot be drawn", std::move(*problem));
    }
    return {};
}

int curvesOfCancer(int cancer, bool male, bool female, const CUserGroupDictionary& cancerGroups) {
    const SexApplicability sexes = CCancerDictionary::sexesOf(cancer, &cancerGroups);
    return (male && sexes.males ? 1 : 0) + (female && sexes.females ? 1 : 0);
}

int curveCount(const SelectionList& registries, const SelectionList& cancers, bool male,
               bool female, const CUserGroupDictionary& cancerGroups) {
    int registryCount = 0;
    for (const int slot : registries) {
        registryCount += slot >= 0 ? 1 : 0;
    }
    int perRegistry = 0;
    for (const int slot : cancers) {
        if (slot >= 0) {
            perRegistry += curvesOfCancer(slot, male, female, cancerGroups);
        }
    }
    return registryCount * perRegistry;
}

std::vector<int> cancersGivingCurves(const SelectionList& cancers, bool male, bool female,
                                     const CUserGroupDictionary& cancerGroups) {
    std::vector<int> giving;
    for (const int slot : cancers) {
        if (slot >= 0 && curvesOfCancer(slot, male, female, cancerGroups) > 0) {
            giving.push_back(slot);
        }
    }
    return giving;
}

Sex ageSpecificSex(bool male, bool female) {
    if (male && female) {
        return Sex::Both;
    }
    return male ? Sex::Male : Sex::Female;
}

bool cancersFitSex(const SelectionList& cancers, Sex sex,
                   const CUserGroupDictionary& cancerGroups) {
    for (const int slot : cancers) {
        if (slot < 0) {
            continue;
        }
        const SexApplicability sexes = CCancerDictionary::sexesOf(slot, &cancerGroups);
        if ((sex == Sex::Female && sexes.maleOnly()) || (sex == Sex::Male && sexes.femaleOnly())) {
            return false;
        }
    }
    return true;
}

int pyramidBasis(bool personYears, int population) {
    return personYears && population < kFirstRegistryGroup ? 0 : 1;
}

bool ageRangeFitsPopulation(int to, RateKind rateKind, int lastAgeGroup) {
    return !(to >= lastAgeGroup && to < kTopAgeGroup && rateKind < RateKind::NumberOfCases);
}

bool sliceCountAllowed(int sliceCount) {
    return sliceCount >= kMinPieSlices && sliceCount <= kMaxPieSlices;
}

} // namespace orvelan
