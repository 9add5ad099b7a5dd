#include "CCaseGenerator.h"

#include "DeterministicMath.h"
#include "ModelTables.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

namespace orvelan::mkdata {

namespace {

constexpr double kPer100k = 100000.0;
constexpr std::size_t kUnknown = kUnknownAgeGroup;
constexpr int kLastChildAgeGroup = 2; // children are verified a little more often
constexpr int kFirstOldAgeGroup = 13; // 65-69: from here on verification falls with age
constexpr double kChildVerificationBonus = 0.5;

std::size_t index(int value) { return static_cast<std::size_t>(value); }

double verificationShift(int ageGroup) {
    if (ageGroup <= kLastChildAgeGroup) {
        return kChildVerificationBonus;
    }
    return -ModelConstants::kVerificationAgeSlope * std::max(0, ageGroup - kFirstOldAgeGroup + 1);
}

} // namespace

CaseCounts& CaseCounts::operator+=(const CaseCounts& other) {
    for (std::size_t cancer = 0; cancer < verified.size(); ++cancer) {
        for (std::size_t age = 0; age < kUnknown + 1; ++age) {
            verified[cancer][age] += other.verified[cancer][age];
            unverified[cancer][age] += other.unverified[cancer][age];
        }
    }
    return *this;
}

void CCaseGenerator::generate(const std::vector<AgeArray>& rates, const AgeArray& personYears,
                              const PopulationFacts& facts, int sex, CRandom& random,
                              CaseCounts& out) const {
    out = CaseCounts{};
    drawSites(rates, personYears, facts, random, out);
    if (facts.unknownAgeShare > 0.0) {
        loseAges(facts.unknownAgeShare, random, out);
    }
    complete(sex, random, out);
}

void CCaseGenerator::drawSites(const std::vector<AgeArray>& rates, const AgeArray& personYears,
                               const PopulationFacts& facts, CRandom& random,
                               CaseCounts& out) const {
    const auto sites = siteModels();
    const double baseline = logit(std::clamp(facts.verification, 1.0, 99.0) / 100.0);
    for (std::size_t site = 0; site < sites.size(); ++site) {
        const std::size_t cancer = index(sites[site].cancer);
        for (std::size_t age = 0; age < personYears.size(); ++age) {
            const std::int64_t cases =
                random.poisson(rates[site][age] * personYears[age] / kPer100k);
            const double shift = verificationShift(static_cast<int>(age));
            const double p = logistic(baseline + sites[site].verification + shift);
            const std::int64_t verified = random.binomial(cases, p);
            out.verified[cancer][age] = verified;
            out.unverified[cancer][age] = cases - verified;
        }
    }
}

void CCaseGenerator::loseAges(double share, CRandom& random, CaseCounts& out) const {
    for (const int site : m_plan.modelledSites()) {
        for (auto* counts : {&out.verified[index(site)], &out.unverified[index(site)]}) {
            for (std::size_t age = 0; age < kUnknown; ++age) {
                const std::int64_t lost = random.binomial((*counts)[age], share);
                (*counts)[age] -= lost;
                (*counts)[kUnknown] += lost;
            }
        }
    }
}

void CCaseGenerator::complete(int sex, CRandom& random, CaseCounts& out) const {
    for (const CHierarchyPlan::Sum& sum : m_plan.sums()) {
        for (auto* rows : {&out.verified, &out.unverified}) {
            AgeCounts& total = (*rows)[index(sum.cancer)];
            total.fill(0);
            for (const int part : sum.parts) {
                for (std::size_t age = 0; age < total.size(); ++age) {
                    total[age] += (*rows)[index(part)][age];
                }
            }
        }
    }
    for (const CHierarchyPlan::Split& split : m_plan.splits()) {
        for (int age = 0; age < kAgeGroupCount; ++age) {
            const auto band = index(CHierarchyPlan::bandOf(age));
            const std::size_t at = index(age);
            splitCount(out.verified[index(split.parent)][at], split.verified[index(sex)][band],
                       split.parts, age, random, out.verified);
            splitCount(out.unverified[index(split.parent)][at], split.unverified[index(sex)][band],
                       split.parts, age, random, out.unverified);
        }
    }
    // "All sites" is the sum of the chapters; "All sites but skin" leaves out other skin.
    for (auto* rows : {&out.verified, &out.unverified}) {
        AgeCounts& all = (*rows)[index(CCancerTree::kAllSites)];
        all.fill(0);
        for (const int chapter : m_plan.tree().chapters()) {
            for (std::size_t age = 0; age < all.size(); ++age) {
                all[age] += (*rows)[index(chapter)][age];
            }
        }
        AgeCounts& butSkin = (*rows)[index(CCancerTree::kAllSitesButSkin)];
        for (std::size_t age = 0; age < all.size(); ++age) {
            butSkin[age] = all[age] - (*rows)[index(CCancerTree::kOtherSkin)][age];
        }
    }
}

void CCaseGenerator::splitCount(std::int64_t count, const std::vector<double>& weights,
                                const std::vector<int>& parts, int ageGroup, CRandom& random,
                                std::vector<AgeCounts>& into) {
    // A multinomial draw as a chain of binomials: each part takes its share of what is left.
    const std::size_t at = index(ageGroup);
    if (count == 0) {
        for (const int part : parts) {
            into[index(part)][at] = 0;
        }
        return;
    }
    assert(weights.size() == parts.size());
    std::vector<double> weightFrom(parts.size() + 1, 0.0); // suffix sums, exact for zero tails
    for (std::size_t part = parts.size(); part-- > 0;) {
        weightFrom[part] = weights[part] + weightFrom[part + 1];
    }
    std::int64_t remaining = count;
    for (std::size_t part = 0; part < parts.size(); ++part) {
        const bool last = part + 1 == parts.size() || weightFrom[part + 1] <= 0.0;
        const double p = weightFrom[part] > 0.0 ? weights[part] / weightFrom[part] : 0.0;
        const std::int64_t taken = last ? remaining : random.binomial(remaining, std::min(p, 1.0));
        into[index(parts[part])][at] = taken;
        remaining -= taken;
    }
}

} // namespace orvelan::mkdata
