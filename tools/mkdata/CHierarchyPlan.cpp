#include "CHierarchyPlan.h"

#include "ModelTables.h"
#include "core/data/CCancerDictionary.h"
#include "core/data/Codes.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>

namespace orvelan::mkdata {

namespace {

std::size_t index(int value) { return static_cast<std::size_t>(value); }

constexpr int kLastChildAgeGroup = 2; // 10-14
constexpr int kLastYoungAgeGroup = 8; // 40-44

bool appliesTo(int cancer, int sex) {
    return sex == 0 ? CCancerDictionary::appliesToMales(cancer)
                    : CCancerDictionary::appliesToFemales(cancer);
}

/// The share row of a child for a sex: a row for that sex wins over a row for both.
std::optional<ChildShare> shareOf(int parent, int child, int sex) {
    std::optional<ChildShare> found;
    const SexScope own = sex == 0 ? SexScope::Male : SexScope::Female;
    for (const ChildShare& share : childShares()) {
        if (share.parent != parent || share.child != child) {
            continue;
        }
        if (share.sex == own) {
            return share;
        }
        if (share.sex == SexScope::Both) {
            found = share;
        }
    }
    return found;
}

/// Unverified cases are mostly coded to the unspecified morphology groups.
double unverifiedFactor(int child) {
    const std::string_view name = CCancerDictionary::name(child);
    if (name.starts_with("Unspecified morphology")) {
        return ModelConstants::kUnverifiedToUnspecifiedMorphology;
    }
    if (name.starts_with("Unspecified")) {
        return ModelConstants::kUnverifiedToUnspecifiedCarcinoma;
    }
    return ModelConstants::kUnverifiedToSpecificMorphology;
}

} // namespace

int CHierarchyPlan::bandOf(int ageGroup) {
    if (ageGroup <= kLastChildAgeGroup) {
        return 0;
    }
    return ageGroup <= kLastYoungAgeGroup ? 1 : 2;
}

CHierarchyPlan::CHierarchyPlan(const CCancerTree& tree) : m_tree(tree) {
    for (const SiteModel& site : siteModels()) {
        m_modelled.push_back(site.cancer);
    }
    std::sort(m_modelled.begin(), m_modelled.end());
    std::vector<bool> determined(index(kCancerCount), false);
    markDetermined(determined);
    std::vector<bool> reached(index(kCancerCount), false);
    for (int cancer = 0; cancer < kCancerCount; ++cancer) {
        planRow(cancer, determined, reached);
    }
    std::reverse(m_sums.begin(), m_sums.end());
    for (const int chapter : tree.chapters()) {
        if (!determined[index(chapter)]) {
            problem("chapter " + std::to_string(chapter) + " has no modelled site");
        }
    }
    for (int cancer = 0; cancer < kCancerCount; ++cancer) {
        const bool total =
            cancer == CCancerTree::kAllSites || cancer == CCancerTree::kAllSitesButSkin;
        if (!total && !reached[index(cancer)]) {
            problem("cancer " + std::to_string(cancer) + " gets no cases");
        }
    }
}

void CHierarchyPlan::markDetermined(std::vector<bool>& determined) {
    for (const int site : m_modelled) {
        if (determined[index(site)]) {
            problem("cancer " + std::to_string(site) + " is modelled twice");
        }
        for (int row = m_tree.parent(site); row >= 0; row = m_tree.parent(row)) {
            if (std::binary_search(m_modelled.begin(), m_modelled.end(), row)) {
                problem("cancer " + std::to_string(site) + " lies below modelled " +
                        std::to_string(row));
            }
            determined[index(row)] = true;
        }
        determined[index(site)] = true;
    }
}

void CHierarchyPlan::planRow(int cancer, const std::vector<bool>& determined,
                             std::vector<bool>& reached) {
    const bool modelled = std::binary_search(m_modelled.begin(), m_modelled.end(), cancer);
    reached[index(cancer)] = reached[index(cancer)] || determined[index(cancer)];
    if (!reached[index(cancer)]) {
        return;
    }
    bool summed = modelled;
    for (const std::vector<int>& parts : m_tree.partitions(cancer)) {
        const auto known = std::count_if(parts.begin(), parts.end(),
                                         [&](int part) { return determined[index(part)]; });
        if (known == 0) {
            m_splits.push_back(makeSplit(cancer, parts));
            for (const int part : parts) {
                reached[index(part)] = true;
            }
        } else if (known == static_cast<long>(parts.size()) && !summed) {
            m_sums.push_back({cancer, parts});
            summed = true;
        } else {
            problem("partition below cancer " + std::to_string(cancer) +
                    " is partly modelled or modelled twice");
        }
    }
}

CHierarchyPlan::Split CHierarchyPlan::makeSplit(int parent, const std::vector<int>& parts) {
    Split split{parent, parts, {}, {}};
    const bool morphology = CCancerDictionary::isMorphology(parts.front());
    for (int sex = 0; sex < 2; ++sex) {
        if (!appliesTo(parent, sex)) {
            continue;
        }
        for (const int part : parts) {
            const std::optional<ChildShare> share = shareOf(parent, part, sex);
            if (!share) {
                problem("no share for cancer " + std::to_string(part) + " below " +
                        std::to_string(parent));
            }
            const std::array<double, kBandCount> byBand =
                share ? std::array<double, kBandCount>{share->children, share->young, share->older}
                      : std::array<double, kBandCount>{};
            const double factor = morphology ? unverifiedFactor(part) : 1.0;
            for (std::size_t band = 0; band < kBandCount; ++band) {
                split.verified[index(sex)][band].push_back(byBand[band]);
                split.unverified[index(sex)][band].push_back(byBand[band] * factor);
            }
        }
        for (const auto& weights : split.verified[index(sex)]) {
            double total = 0.0;
            for (const double weight : weights) {
                total += weight;
            }
            if (total <= 0.0) {
                problem("shares below cancer " + std::to_string(parent) + " sum to zero");
            }
        }
    }
    return split;
}

} // namespace orvelan::mkdata
