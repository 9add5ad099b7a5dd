// The standard incidence tables of every population, summary and both age-specific layouts,
// built over full-size data files that hold cases for every site of the table.
#include "FixtureData.h"
#include "TempDir.h"
#include "core/data/CCancerDictionary.h"
#include "core/data/CIncidenceStore.h"
#include "core/reports/CStandardTableBuilder.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

namespace {

using namespace orvelan;

/// Every population with person-years to 85+ (75+ for every fourth) and cases at every age for
/// all sites, all sites but skin and each cancer that feeds a row of the table.
struct BenchData {
    test::TempDir dir;
    CIncidenceStore store;

    BenchData() {
        test::FixtureData data;
        for (int population = 0; population < kPopulationCount; ++population) {
            const int last = population % 4 == 0 ? 15 : kTopAgeGroup;
            for (int sex = 0; sex < 2; ++sex) {
                test::PopulationFixture record;
                record.personYears = test::FixtureData::flatPersonYears(40000.0 + population, last);
                data.setPopulation(population, sex, record);
                for (int cancer = 0; cancer < kCancerCount; ++cancer) {
                    if (CCancerDictionary::standardRow(cancer) < 0) {
                        continue;
                    }
                    test::CasesFixture cases;
                    for (std::size_t a = 0; a < cases.cases.size(); ++a) {
                        cases.cases[a] = static_cast<double>(
                            (static_cast<std::size_t>(population + cancer) + a) % 7);
                    }
                    data.setCases(population, sex, cancer, cases);
                }
            }
        }
        data.write(dir.str());
        if (!store.open(dir.str())) {
            std::abort();
        }
    }
};

BenchData& benchData() {
    static const auto data = std::make_unique<BenchData>();
    return *data;
}

void buildAll(benchmark::State& state, StandardLayout layout, Sex sex) {
    BenchData& data = benchData();
    for (auto _ : state) {
        std::size_t characters = 0;
        for (int population = 0; population < kPopulationCount; ++population) {
            CStandardTableBuilder builder("Population", population, layout, sex);
            if (!builder.build(data.store)) {
                state.SkipWithError("a population failed to load");
                return;
            }
            characters += builder.text().size();
        }
        benchmark::DoNotOptimize(characters);
    }
    state.SetItemsProcessed(state.iterations() * kPopulationCount);
}

void SummaryTablesOfAllPopulations(benchmark::State& state) {
    buildAll(state, StandardLayout::Summary, Sex::Male);
}
void MaleAgeSpecificTablesOfAllPopulations(benchmark::State& state) {
    buildAll(state, StandardLayout::AgeSpecific, Sex::Male);
}
void FemaleAgeSpecificTablesOfAllPopulations(benchmark::State& state) {
    buildAll(state, StandardLayout::AgeSpecific, Sex::Female);
}

BENCHMARK(SummaryTablesOfAllPopulations)->Unit(benchmark::kMillisecond);
BENCHMARK(MaleAgeSpecificTablesOfAllPopulations)->Unit(benchmark::kMillisecond);
BENCHMARK(FemaleAgeSpecificTablesOfAllPopulations)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
