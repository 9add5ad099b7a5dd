// Whole-collection work of the command-line tool on the generated data set, each beside its
// floor: every figure of every series to CSV against a plain compute-and-write loop, the CSV
// export of everything against a bare integer writer, the 229 standard tables, and the cold
// start of a one-series `rates` process.
#include "CDataSetGenerator.h"
#include "CDataSetWriter.h"
#include "FigureStream.h"
#include "RunProcess.h"
#include "TempDir.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CRegistryDictionary.h"
#include "core/export/CRawDataExporter.h"
#include "core/io/NumberText.h"
#include "core/rates/SeriesRates.h"
#include "core/reports/CStandardTableBuilder.h"

#include <benchmark/benchmark.h>
#include <charconv>
#include <cstdio>
#include <ostream>
#include <streambuf>
#include <vector>

namespace {

using namespace orvelan;

constexpr int kFrom = 0;
constexpr int kTo = 14; // ages 0-74

/// The generated set, written once into a temporary folder.
const std::string& dataDirectory() {
    static test::TempDir dir;
    static const bool written = [] {
        std::string error;
        const mkdata::CDataSetGenerator generator(mkdata::CDataSetGenerator::kDefaultSeed);
        return mkdata::CDataSetWriter::write(generator.generate(), dir.str(), error);
    }();
    static const std::string path = written ? dir.str() : std::string();
    return path;
}

/// Counts the bytes it is given, so that output costs no more than the writer itself.
class CountingBuffer : public std::streambuf {
  public:
    std::size_t bytes = 0;

  protected:
    std::streamsize xsputn(const char*, std::streamsize count) override {
        bytes += static_cast<std::size_t>(count);
        return count;
    }
    int_type overflow(int_type c) override {
        ++bytes;
        return c;
    }
};

bool openStore(benchmark::State& state, CIncidenceStore& store) {
    if (dataDirectory().empty() || !store.open(dataDirectory())) {
        state.SkipWithError("the generated data set cannot be opened");
        return false;
    }
    return true;
}

void everyFigureToCsv(benchmark::State& state) {
    CIncidenceStore store;
    if (!openStore(state, store)) {
        return;
    }
    for (auto _ : state) {
        CountingBuffer buffer;
        std::ostream out(&buffer);
        cli::FigureStream stream(out, cli::StreamFormat::Csv);
        for (int p = 0; p < kPopulationCount; ++p) {
            for (int c = 0; c < kCancerCount; ++c) {
                for (const Sex sex : kSingleSexes) {
                    store.load(p, c, sex);
                    const SeriesFigures figures = computeRates(store.series(), kFrom, kTo);
                    for (int kind = 0; kind < kRateKindCount; ++kind) {
                        stream.row(p, c, sex, kind, figures[static_cast<std::size_t>(kind)]);
                    }
                }
            }
        }
        stream.flush();
        benchmark::DoNotOptimize(buffer.bytes);
    }
}

/// The floor: the same loads and figures, each number written with the same shortest-text
/// writer and a comma into a plain buffer.
void everyFigureFloor(benchmark::State& state) {
    CIncidenceStore store;
    if (!openStore(state, store)) {
        return;
    }
    std::vector<char> text(1 << 17);
    for (auto _ : state) {
        std::size_t bytes = 0;
        char* at = text.data();
        for (int p = 0; p < kPopulationCount; ++p) {
            for (int c = 0; c < kCancerCount; ++c) {
                for (const Sex sex : kSingleSexes) {
                    store.load(p, c, sex);
                    const SeriesFigures figures = computeRates(store.series(), kFrom, kTo);
                    for (const RateResult& r : figures) {
                        for (const double v : {r.value, r.se, r.lower(), r.upper()}) {
                            at = writeShortest(at, v);
                            *at++ = ',';
                        }
                        *at++ = '\n';
                    }
                    if (at - text.data() > (1 << 16)) {
                        bytes += static_cast<std::size_t>(at - text.data());
                        at = text.data();
                    }
                }
            }
        }
        bytes += static_cast<std::size_t>(at - text.data());
        benchmark::DoNotOptimize(bytes);
    }
}

ExportSettings everything(const test::TempDir& dir) {
    ExportSettings settings;
    settings.format = static_cast<int>(ExportFormat::CommaSeparated);
    for (int row = 0; row < kRegistryRowCount; ++row) {
        const int p = CRegistryDictionary::populationNumber(row);
        if (p >= 0 && p < kPopulationCount) {
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
    CIncidenceStore store;
    if (!openStore(state, store)) {
        return;
    }
    test::TempDir dir;
    const ExportSettings settings = everything(dir);
    for (auto _ : state) {
        if (!CRawDataExporter::run(store, settings).ok()) {
            state.SkipWithError("export failed");
            return;
        }
    }
}

/// The floor: the same lines from the same loads with a bare integer writer, to a plain file.
void exportIntegerFloor(benchmark::State& state) {
    CIncidenceStore store;
    if (!openStore(state, store)) {
        return;
    }
    test::TempDir dir;
    const ExportSettings settings = everything(dir);
    std::string text;
    for (auto _ : state) {
        std::FILE* file = std::fopen(dir.file("floor.csv").c_str(), "wb");
        char number[24];
        const auto put = [&](long long v, char end) {
            text.append(number, std::to_chars(number, number + 24, v).ptr);
            text += end;
        };
        for (int row = 0; row < kRegistryRowCount; ++row) {
            const int p = CRegistryDictionary::populationNumber(row);
            if (p < 0 || p >= kPopulationCount) {
                continue;
            }
            for (const Sex sex : kSingleSexes) {
                for (int c = 0; c < kCancerCount; ++c) {
                    store.load(p, c, sex);
                    for (std::size_t a = 0; a < 19; ++a) {
                        put(p + 1, ',');
                        put(indexOf(sex) + 1, ',');
                        put(c + 1, ',');
                        put(static_cast<long long>(a) + 1, ',');
                        put(static_cast<long long>(store.cases()[a]), ',');
                        put(static_cast<long long>(store.personYears()[a]), '\n');
                    }
                    if (text.size() > 65536) {
                        std::fwrite(text.data(), 1, text.size(), file);
                        text.clear();
                    }
                }
            }
        }
        std::fwrite(text.data(), 1, text.size(), file);
        text.clear();
        std::fclose(file);
    }
}

void everyStandardTableToPrn(benchmark::State& state) {
    CIncidenceStore store;
    if (!openStore(state, store)) {
        return;
    }
    test::TempDir dir;
    for (auto _ : state) {
        // As `table --population 0-228 --out DIR` does: every table built, then saved together.
        std::vector<std::pair<std::string, std::string>> files;
        for (int p = 0; p < kPopulationCount; ++p) {
            CStandardTableBuilder builder(store.populationLabelByNumber(p, true), p,
                                          StandardLayout::Summary);
            if (!builder.build(store)) {
                state.SkipWithError("table failed");
                return;
            }
            files.emplace_back(dir.file("table-" + std::to_string(p) + ".prn"), builder.prnText());
        }
        if (!writeFilesTogether(files).ok()) {
            state.SkipWithError("saving the tables failed");
            return;
        }
    }
}

/// The same tables built in memory only: what the files and their syncing add is the difference.
void everyStandardTableBuilt(benchmark::State& state) {
    CIncidenceStore store;
    if (!openStore(state, store)) {
        return;
    }
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (int p = 0; p < kPopulationCount; ++p) {
            CStandardTableBuilder builder(store.populationLabelByNumber(p, true), p,
                                          StandardLayout::Summary);
            if (!builder.build(store)) {
                state.SkipWithError("table failed");
                return;
            }
            bytes += builder.text().size();
        }
        benchmark::DoNotOptimize(bytes);
    }
}

void coldStartOfOneSeriesRates(benchmark::State& state) {
    if (dataDirectory().empty()) {
        state.SkipWithError("no data");
        return;
    }
    for (auto _ : state) {
        const auto result = test::runProcess({test::cliPath(), "--data-dir", dataDirectory(),
                                              "rates", "--population", "12", "--cancer", "34"});
        if (result.exitCode != 0) {
            state.SkipWithError("rates failed");
            return;
        }
    }
}

} // namespace

BENCHMARK(everyFigureToCsv)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(everyFigureFloor)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(exportEverythingCsv)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(exportIntegerFloor)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(everyStandardTableToPrn)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(everyStandardTableBuilt)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(coldStartOfOneSeriesRates)->Unit(benchmark::kMillisecond)->Iterations(20);

BENCHMARK_MAIN();
