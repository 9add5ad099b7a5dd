// Speed of the incidence store on full-size data files: one load with the six figures a
// summary-rates row needs, and the heaviest load there is (every population crossed with
// every cancer).
#include "FixtureData.h"
#include "TempDir.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/rates/SeriesRates.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <vector>

namespace {

using namespace orvelan;

/// Data files with person-years for every population and cases in a few cancers, and one
/// registry group of all populations and one cancer group of all cancers.
struct BenchData {
    test::TempDir dir;
    CUserGroupDictionary cancerGroups{GroupKind::Cancer};
    CUserGroupDictionary registryGroups{GroupKind::Registry};
    CIncidenceStore store;

    BenchData() {
        test::FixtureData data;
        AgeValues cases{};
        for (std::size_t i = 0; i < cases.size(); ++i) {
            cases[i] = static_cast<double>(3 * i + 1);
        }
        for (int population = 0; population < kPopulationCount; ++population) {
            for (int sex = 0; sex < 2; ++sex) {
                test::PopulationFixture record;
                record.personYears =
                    test::FixtureData::flatPersonYears(50000.0, population % 3 == 0 ? 15 : 17);
                data.setPopulation(population, sex, record);
                for (int cancer : {0, 34, 77, 115}) {
                    data.setCases(population, sex, cancer, {cases, 80.0f});
                }
            }
        }
        data.write(dir.str());
        if (!store.open(dir.str())) {
            std::abort();
        }
        if (!cancerGroups.load(dir.file(std::string(CUserGroupDictionary::kCancerFileName)))) {
            std::abort();
        }
        if (!registryGroups.load(dir.file(std::string(CUserGroupDictionary::kRegistryFileName)))) {
            std::abort();
        }
        std::vector<int> cancers(kCancerCount);
        std::iota(cancers.begin(), cancers.end(), 0);
        std::vector<int> populations(kPopulationCount);
        std::iota(populations.begin(), populations.end(), 0);
        if (!cancerGroups.append("All cancers", cancers) ||
            !registryGroups.append("All populations", populations)) {
            std::abort();
        }
        store.setUserGroups(&cancerGroups, &registryGroups);
    }
};

BenchData& benchData() {
    static const std::unique_ptr<BenchData> data = std::make_unique<BenchData>();
    return *data;
}

void singleLoadAndSixFigures(benchmark::State& state) {
    CIncidenceStore& store = benchData().store;
    int population = 0;
    for (auto _ : state) {
        store.load(population, 34, Sex::Male);
        for (int kind = 0; kind < kRateKindCount; ++kind) {
            const bool cumulative = kind == 3 || kind == 4;
            benchmark::DoNotOptimize(
                computeRate(store.series(), static_cast<RateKind>(kind), 0, cumulative ? 14 : 17));
        }
        population = (population + 1) % kPopulationCount;
    }
}
BENCHMARK(singleLoadAndSixFigures);

void heaviestLoad(benchmark::State& state) {
    CIncidenceStore& store = benchData().store;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.load(kFirstRegistryGroup, kFirstCancerGroup, Sex::Male));
    }
    state.counters["records"] = static_cast<double>(kPopulationCount * kCancerCount);
}
BENCHMARK(heaviestLoad)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
