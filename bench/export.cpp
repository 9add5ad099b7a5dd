// Raw-data export of every population, cancer and sex in CSV: 229 x 252 x 2 series of 19 lines
// each, read from full-size data files and written through a temporary file.
#include "FixtureData.h"
#include "TempDir.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CRegistryDictionary.h"
#include "core/export/CRawDataExporter.h"

#include <benchmark/benchmark.h>

namespace {

using namespace orvelan;

/// Full-size files with person-years for every population and cases in a spread of records.
void writeFixture(const std::string& directory) {
    test::FixtureData data;
    test::PopulationFixture population;
    population.personYears = test::FixtureData::flatPersonYears(25000.0);
    test::CasesFixture cases;
    for (int age = 0; age < kAgeGroupCount; ++age) {
        cases.cases[static_cast<std::size_t>(age)] = 3.0 * age;
    }
    for (int p = 0; p < kPopulationCount; ++p) {
        for (int sex = 0; sex < 2; ++sex) {
            data.setPopulation(p, sex, population);
            for (int cancer = p % 7; cancer < kCancerCount; cancer += 7) {
                data.setCases(p, sex, cancer, cases);
            }
        }
    }
    data.write(directory);
}

ExportSettings everything(const test::TempDir& dir) {
    ExportSettings settings;
    settings.format = static_cast<int>(ExportFormat::CommaSeparated);
    for (int row = 0; row < kRegistryRowCount; ++row) {
        if (CRegistryDictionary::populationNumber(row) < kPopulationCount) {
            settings.populationSelection[static_cast<std::size_t>(row)] = row;
        }
    }
    for (int cancer = 0; cancer < kCancerCount; ++cancer) {
        settings.cancerSelection[static_cast<std::size_t>(cancer)] = cancer;
    }
    CRawDataExporter::setPaths(settings, dir.str(), "everything");
    return settings;
}

void exportEverythingCsv(benchmark::State& state) {
    test::TempDir dir;
    writeFixture(dir.str());
    CIncidenceStore store;
    if (!store.open(dir.str())) {
        state.SkipWithError("fixture data files cannot be opened");
        return;
    }
    const ExportSettings settings = everything(dir);
    for (auto _ : state) {
        const auto outcome = CRawDataExporter::run(store, settings);
        if (!outcome.ok()) {
            state.SkipWithError("export failed");
            return;
        }
    }
    state.counters["lines"] = static_cast<double>(kPopulationCount * kCancerCount * 2 * 19);
}

} // namespace

BENCHMARK(exportEverythingCsv)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
