#include "CDataSetGenerator.h"

#include "DeterministicMath.h"
#include "ModelTables.h"

#include <cassert>
#include <cmath>
#include <cstddef>
#include <memory>

namespace orvelan::mkdata {

namespace {

enum StreamKey : std::uint64_t { kPersonYearsStream = 10, kRatesStream, kCasesStream };

// Stream key of the people of an aggregate outside its parts.
constexpr std::uint64_t kRemainderKey = 1000;
constexpr double kPeoplePerThousand = 1000.0;
constexpr std::size_t kUnknown = kUnknownAgeGroup;

std::size_t index(int value) { return static_cast<std::size_t>(value); }

const AgeStructureModel* findAgeStructure(AgeStructure ages) {
    for (const AgeStructureModel& model : ageStructures()) {
        if (model.ages == ages) {
            return &model;
        }
    }
    return nullptr;
}

double wholeNumber(double value) { return std::floor(value + 0.5); }

} // namespace

CDataSetGenerator::Counts& CDataSetGenerator::Counts::operator+=(const Counts& other) {
    for (std::size_t sex = 0; sex < 2; ++sex) {
        for (std::size_t age = 0; age < personYears[sex].size(); ++age) {
            personYears[sex][age] += other.personYears[sex][age];
        }
        cases[sex] += other.cases[sex];
    }
    return *this;
}

CDataSetGenerator::CDataSetGenerator(std::uint64_t seed)
    : m_seed(seed), m_plan(m_tree), m_populations(seed), m_rates(m_tree), m_cases(m_plan) {}

std::vector<std::string> CDataSetGenerator::problems() const {
    std::vector<std::string> all = m_plan.problems();
    all.insert(all.end(), m_populations.problems().begin(), m_populations.problems().end());
    all.insert(all.end(), m_rates.problems().begin(), m_rates.problems().end());
    for (const PopulationFacts& facts : m_populations.all()) {
        if (findAgeStructure(facts.ages) == nullptr) {
            all.push_back("population " + std::to_string(facts.population) +
                          " has an age structure without a table");
        }
    }
    return all;
}

DataSet CDataSetGenerator::generate() const {
    assert(problems().empty());
    DataSet out;
    out.populations.resize(index(kPopulationCount * 2));
    out.cases.resize(index(kPopulationCount * 2 * kCancerCount));
    std::vector<std::unique_ptr<Counts>> built(index(kPopulationCount));
    for (const int population : m_populations.buildOrder()) {
        const PopulationFacts& facts = m_populations.facts(population);
        auto counts = std::make_unique<Counts>();
        if (facts.parts.empty()) {
            *counts = generateUnit(facts, facts.thousands, index(population));
        } else {
            for (const int part : facts.parts) {
                *counts += *built[index(part)];
                built[index(part)].reset(); // a part belongs to one aggregate only
            }
            if (facts.remainderThousands > 0.0) {
                *counts += generateUnit(facts, facts.remainderThousands,
                                        kRemainderKey + index(population));
            }
        }
        Counts folded = *counts;
        appendRecords(facts, folded, out);
        built[index(population)] = std::move(counts);
    }
    return out;
}

CDataSetGenerator::Counts CDataSetGenerator::generateUnit(const PopulationFacts& facts,
                                                          double thousands,
                                                          std::uint64_t key) const {
    Counts counts;
    for (int sex = 0; sex < 2; ++sex) {
        const auto s = index(sex);
        CRandom peopleRandom = CRandom::stream(m_seed, kPersonYearsStream, key, s);
        const AgeArray years = personYears(facts, thousands, sex, peopleRandom);
        CRandom rateRandom = CRandom::stream(m_seed, kRatesStream, key, s);
        const std::vector<AgeArray> rates = m_rates.rates(facts, sex, rateRandom);
        CRandom caseRandom = CRandom::stream(m_seed, kCasesStream, key, s);
        m_cases.generate(rates, years, facts, sex, caseRandom, counts.cases[s]);
        for (std::size_t age = 0; age < years.size(); ++age) {
            counts.personYears[s][age] = years[age];
        }
    }
    return counts;
}

AgeArray CDataSetGenerator::personYears(const PopulationFacts& facts, double thousands, int sex,
                                        CRandom& random) const {
    const AgeStructureModel& model = *findAgeStructure(facts.ages);
    double totalShare = 0.0;
    for (const double share : model.share) {
        totalShare += share;
    }
    const double years = facts.lastYear - facts.firstYear + 1;
    AgeArray result{};
    for (std::size_t age = 0; age < result.size(); ++age) {
        const double males = model.malesPerFemale[age];
        const double sexShare = sex == 0 ? males / (1.0 + males) : 1.0 / (1.0 + males);
        const double jitter = detExp(ModelConstants::kPersonYearsSpread * random.normal());
        result[age] = wholeNumber(thousands * kPeoplePerThousand * years * model.share[age] /
                                  totalShare * sexShare * jitter);
    }
    return result;
}

void CDataSetGenerator::appendRecords(const PopulationFacts& facts, Counts& counts,
                                      DataSet& out) const {
    const auto last = index(facts.lastAgeGroup);
    for (std::size_t sex = 0; sex < 2; ++sex) {
        AgeValues& years = counts.personYears[sex];
        CaseCounts& cases = counts.cases[sex];
        // The registry's oldest class is open: everyone older is counted in it.
        for (std::size_t age = last + 1; age < kUnknown; ++age) {
            years[last] += years[age];
            years[age] = 0.0;
            for (std::size_t cancer = 0; cancer < index(kCancerCount); ++cancer) {
                for (auto* rows : {&cases.verified, &cases.unverified}) {
                    (*rows)[cancer][last] += (*rows)[cancer][age];
                    (*rows)[cancer][age] = 0;
                }
            }
        }
        if (facts.unknownPersonYears > 0.0) {
            double known = 0.0;
            for (std::size_t age = 0; age < kUnknown; ++age) {
                known += years[age];
            }
            years[kUnknown] += wholeNumber(known * facts.unknownPersonYears);
        }
        PopulationRecord& record = out.populations[index(facts.population) * 2 + sex];
        record.firstYear = facts.firstYear;
        record.lastYear = facts.lastYear;
        record.type = facts.type;
        record.marker = facts.marker;
        for (std::size_t age = 0; age < years.size(); ++age) {
            record.personYears[age] = static_cast<float>(years[age]);
        }
        for (std::size_t cancer = 0; cancer < index(kCancerCount); ++cancer) {
            CasesRecord& row =
                out.cases[(index(facts.population) * 2 + sex) * index(kCancerCount) + cancer];
            std::int64_t verified = 0;
            std::int64_t total = 0;
            for (std::size_t age = 0; age < row.cases.size(); ++age) {
                const std::int64_t all =
                    cases.verified[cancer][age] + cases.unverified[cancer][age];
                row.cases[age] = static_cast<float>(all);
                verified += cases.verified[cancer][age];
                total += all;
            }
            const double percent =
                total > 0 ? 100.0 * static_cast<double>(verified) / static_cast<double>(total)
                          : 0.0;
            row.verification = facts.verificationAvailable ? static_cast<float>(percent) : -1.0f;
        }
    }
}

} // namespace orvelan::mkdata
