#include "CPopulationPlan.h"

#include "CRandom.h"
#include "core/data/CRegistryDictionary.h"
#include "core/data/Codes.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

namespace orvelan::mkdata {

namespace {

// Keys of the random streams, so that changing one kind of draw leaves the others alone.
enum StreamKey : std::uint64_t { kPeriodStream = 1, kUnknownAgeStream = 2, kVerificationStream };

std::size_t index(int value) { return static_cast<std::size_t>(value); }

int choose(CRandom& random, std::span<const PeriodChoice> choices) {
    double total = 0.0;
    for (const PeriodChoice& choice : choices) {
        total += choice.weight;
    }
    double u = random.uniform() * total;
    for (const PeriodChoice& choice : choices) {
        if (u < choice.weight) {
            return choice.value;
        }
        u -= choice.weight;
    }
    return choices.back().value;
}

/// Regions whose registries more often lose the age of a patient.
bool oftenUnknownAge(Region region) {
    switch (region) {
    case Region::WestAfrica:
    case Region::EastAfrica:
    case Region::NorthAfrica:
    case Region::LatinAmerica:
    case Region::Caribbean:
    case Region::SouthAsia:
    case Region::SoutheastAsia:
    case Region::China:
        return true;
    default:
        return false;
    }
}

double regionVerification(Region region) {
    for (const RegionFacts& facts : regionFacts()) {
        if (facts.region == region) {
            return facts.verification;
        }
    }
    return 85.0;
}

int countryFounded(int population) {
    const auto row = CRegistryDictionary::rowOfPopulation(population);
    const int country = row ? CRegistryDictionary::country(*row) : -1;
    for (const CountryRegistry& registry : countryRegistries()) {
        if (registry.country == country) {
            return registry.founded;
        }
    }
    return ModelConstants::kMatureBefore;
}

} // namespace

CPopulationPlan::CPopulationPlan(std::uint64_t seed)
    : m_facts(index(kPopulationCount)), m_aggregateOf(index(kPopulationCount), -1) {
    readTables();
    drawPeriods(seed);
    inheritFromAggregates();
    drawUnknownAges(seed);
    drawVerification(seed);
    std::vector<bool> done(index(kPopulationCount), false);
    for (int population = 0; population < kPopulationCount; ++population) {
        orderBuild(population, done);
    }
}

const PopulationFacts& CPopulationPlan::facts(int population) const {
    return m_facts.at(index(population));
}

void CPopulationPlan::readTables() {
    std::vector<bool> seen(index(kPopulationCount), false);
    for (const PopulationModel& model : populationModels()) {
        PopulationFacts& facts = m_facts.at(index(model.population));
        facts.population = model.population;
        facts.thousands = model.thousands;
        facts.region = model.region;
        facts.ages = model.ages;
        seen[index(model.population)] = true;
    }
    if (std::count(seen.begin(), seen.end(), true) != kPopulationCount) {
        m_problems.push_back("the population table does not cover every population");
    }
    for (const AggregatePart& link : aggregateParts()) {
        m_facts.at(index(link.aggregate)).parts.push_back(link.part);
        m_aggregateOf.at(index(link.part)) = link.aggregate;
    }
    for (PopulationFacts& facts : m_facts) {
        double inParts = 0.0;
        for (const int part : facts.parts) {
            inParts += m_facts[index(part)].thousands;
        }
        facts.remainderThousands = facts.parts.empty() ? 0.0 : facts.thousands - inParts;
        if (facts.remainderThousands < 0.0) {
            m_problems.push_back("the parts of population " + std::to_string(facts.population) +
                                 " outnumber it");
        }
    }
    for (const LastAgeGroup& early : earlyLastAgeGroups()) {
        m_facts.at(index(early.population)).lastAgeGroup = early.lastAgeGroup;
    }
    for (const UnknownAgePersonYears& unknown : unknownAgePersonYears()) {
        m_facts.at(index(unknown.population)).unknownPersonYears = unknown.share;
    }
    for (const SpecialisedRegistry& registry : specialisedRegistries()) {
        m_facts.at(index(registry.population)).type = 's';
        m_facts.at(index(registry.population)).chapter = registry.chapter;
    }
    for (const PopulationMarker& marker : populationMarkers()) {
        m_facts.at(index(marker.population)).marker = marker.marker;
    }
    for (const int population : verificationNotAvailable()) {
        m_facts.at(index(population)).verificationAvailable = false;
    }
}

void CPopulationPlan::drawPeriods(std::uint64_t seed) {
    for (PopulationFacts& facts : m_facts) {
        CRandom random = CRandom::stream(seed, kPeriodStream, index(facts.population));
        int length = choose(random, periodLengths());
        if (facts.thousands < ModelConstants::kSmallPopulation) {
            length = std::max(length, ModelConstants::kShortestSmallPeriod);
        }
        facts.lastYear = choose(random, periodEnds());
        facts.firstYear = facts.lastYear - length + 1;
    }
}

void CPopulationPlan::inheritFromAggregates() {
    for (PopulationFacts& facts : m_facts) {
        int root = facts.population;
        while (m_aggregateOf[index(root)] >= 0) {
            root = m_aggregateOf[index(root)];
        }
        const PopulationFacts& top = m_facts[index(root)];
        facts.firstYear = top.firstYear;
        facts.lastYear = top.lastYear;
        facts.lastAgeGroup = top.lastAgeGroup;
    }
}

void CPopulationPlan::drawUnknownAges(std::uint64_t seed) {
    // Rank the populations by a random score, weighted towards regions where ages go missing,
    // and give the top share of them some cases of unknown age.
    std::vector<std::pair<double, int>> scores;
    for (PopulationFacts& facts : m_facts) {
        CRandom random = CRandom::stream(seed, kUnknownAgeStream, index(facts.population));
        const double weight = oftenUnknownAge(facts.region) ? 2.5 : 1.0;
        scores.emplace_back(random.uniform() * weight, facts.population);
        const double u = random.uniform();
        facts.unknownAgeShare = 0.002 + (ModelConstants::kLargestUnknownAgeShare - 0.002) * u * u;
    }
    std::sort(scores.begin(), scores.end(), std::greater<>());
    const auto chosen = static_cast<std::size_t>(ModelConstants::kUnknownAgePopulationShare *
                                                 static_cast<double>(kPopulationCount));
    for (std::size_t rank = chosen; rank < scores.size(); ++rank) {
        m_facts[index(scores[rank].second)].unknownAgeShare = 0.0;
    }
}

void CPopulationPlan::drawVerification(std::uint64_t seed) {
    for (PopulationFacts& facts : m_facts) {
        CRandom random = CRandom::stream(seed, kVerificationStream, index(facts.population));
        const int youngerBy = countryFounded(facts.population) - ModelConstants::kMatureBefore;
        const double penalty = ModelConstants::kYoungRegistryPenalty * std::max(0, youngerBy);
        const double baseline = regionVerification(facts.region) - penalty +
                                ModelConstants::kVerificationSpread * random.normal();
        facts.verification = std::clamp(baseline, 35.0, 98.5);
    }
}

void CPopulationPlan::orderBuild(int population, std::vector<bool>& done) {
    if (done[index(population)]) {
        return;
    }
    for (const int part : m_facts[index(population)].parts) {
        orderBuild(part, done);
    }
    m_buildOrder.push_back(population);
    done[index(population)] = true;
}

} // namespace orvelan::mkdata
