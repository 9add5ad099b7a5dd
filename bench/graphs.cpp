// Speed of the graphs: each model built for its heaviest selection (ten curves, a bar for every
// registry, every pie candidate site of one population, a pyramid) and each painted at
// 1600 x 1200, and in the publication style at 2400 x 1800. Goals: a model in under 5 ms, a
// classic paint in under 30 ms and a publication paint in under 50 ms on one core.
#include "FixtureData.h"
#include "TempDir.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CRegistryDictionary.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/graphs/AgeCurvesModel.h"
#include "core/graphs/BarChartModel.h"
#include "core/graphs/GraphSettings.h"
#include "core/graphs/PieChartModel.h"
#include "core/graphs/PyramidModel.h"
#include "graphics/CAgeCurvesPainter.h"
#include "graphics/CBarChartPainter.h"
#include "graphics/CPieChartPainter.h"
#include "graphics/CPyramidPainter.h"
#include "graphics/FontFaces.h"
#include "graphics/GraphStyle.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

using namespace orvelan;

constexpr int kPieSites[] = {3,  4,  7,  12, 15, 16, 17, 18, 19, 20,  22,  34,
                             40, 41, 47, 48, 49, 58, 68, 70, 77, 115, 153, 166};

struct BenchData {
    test::TempDir dir;
    CUserGroupDictionary cancerGroups{GroupKind::Cancer};
    CUserGroupDictionary registryGroups{GroupKind::Registry};
    CIncidenceStore store;

    BenchData() {
        test::FixtureData data;
        for (int population = 0; population < kPopulationCount; ++population) {
            for (int sex = 0; sex < 2; ++sex) {
                test::PopulationFixture record;
                record.personYears = test::FixtureData::flatPersonYears(
                    40000.0 + 100.0 * population, population % 3 == 0 ? 15 : 17);
                data.setPopulation(population, sex, record);
                for (const int cancer : kPieSites) {
                    AgeValues cases{};
                    for (std::size_t i = 0; i < cases.size(); ++i) {
                        cases[i] = ((cancer + population) % 17) + static_cast<double>(i * i);
                    }
                    data.setCases(population, sex, cancer, {cases, 80.0f});
                }
                AgeValues all{};
                all.fill(5000.0);
                data.setCases(population, sex, 0, {all, 80.0f});
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
        store.setUserGroups(&cancerGroups, &registryGroups);
    }
};

BenchData& benchData() {
    static BenchData data;
    return data;
}

void selectPopulation(GraphSettings& s, int population) {
    const int row = CRegistryDictionary::rowOfPopulation(population).value_or(0);
    s.registries[static_cast<std::size_t>(row)] = row;
}

GraphSettings tenCurves() {
    GraphSettings s;
    for (int population = 0; population < 5; ++population) {
        selectPopulation(s, population * 40);
    }
    s.cancers[34] = 34;
    s.sex = Sex::Both;
    return s;
}

GraphSettings everyRegistry() {
    GraphSettings s;
    s.kind = GraphKind::BarChart;
    s.cancer = 34;
    for (int population = 0; population < kPopulationCount; ++population) {
        selectPopulation(s, population);
    }
    return s;
}

GraphSettings onePopulation() {
    GraphSettings s;
    s.population = 12;
    s.sliceCount = 11;
    return s;
}

template <typename Model, typename Painter>
void paintAt(benchmark::State& state, const Model& model, const GraphStyle& style,
             QSize size = QSize(1600, 1200)) {
    QImage image(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        benchmark::DoNotOptimize(Painter::paint(painter, image.size(), model, style));
    }
}

void BM_CurvesModel(benchmark::State& state) {
    const GraphSettings s = tenCurves();
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeAgeCurves(benchData().store, s));
    }
}

void BM_BarsModel(benchmark::State& state) {
    const GraphSettings s = everyRegistry();
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeBarChart(benchData().store, s));
    }
}

void BM_PieModel(benchmark::State& state) {
    const GraphSettings s = onePopulation();
    for (auto _ : state) {
        benchmark::DoNotOptimize(computePieChart(benchData().store, s));
    }
}

void BM_PyramidModel(benchmark::State& state) {
    const GraphSettings s = onePopulation();
    for (auto _ : state) {
        benchmark::DoNotOptimize(computePyramid(benchData().store, s));
    }
}

void BM_CurvesPaint(benchmark::State& state) {
    const AgeCurvesModel model = computeAgeCurves(benchData().store, tenCurves());
    GraphStyle style;
    style.logarithmic = state.range(0) != 0;
    style.lines = true;
    style.lineSymbol = 1;
    paintAt<AgeCurvesModel, CAgeCurvesPainter>(state, model, style);
}

void BM_BarsPaint(benchmark::State& state) {
    const BarChartModel model = computeBarChart(benchData().store, everyRegistry());
    GraphStyle style;
    style.fontSizeIndex = 0; // as many rows as fit
    paintAt<BarChartModel, CBarChartPainter>(state, model, style);
}

void BM_PiePaint(benchmark::State& state) {
    const PieChartModel model = computePieChart(benchData().store, onePopulation());
    paintAt<PieChartModel, CPieChartPainter>(state, model, GraphStyle{});
}

void BM_PyramidPaint(benchmark::State& state) {
    const PyramidModel model = computePyramid(benchData().store, onePopulation());
    paintAt<PyramidModel, CPyramidPainter>(state, model, GraphStyle{});
}

// The publication style at 2400 x 1800 (a full page width at about 360 dpi).
GraphStyle publication() {
    GraphStyle style;
    style.look = GraphLook::Publication;
    return style;
}
const QSize kPublicationSize(2400, 1800);

void BM_CurvesPublication(benchmark::State& state) {
    const AgeCurvesModel model = computeAgeCurves(benchData().store, tenCurves());
    GraphStyle style = publication();
    style.logarithmic = state.range(0) != 0;
    paintAt<AgeCurvesModel, CAgeCurvesPainter>(state, model, style, kPublicationSize);
}

void BM_BarsPublication(benchmark::State& state) {
    const BarChartModel model = computeBarChart(benchData().store, everyRegistry());
    paintAt<BarChartModel, CBarChartPainter>(state, model, publication(), kPublicationSize);
}

void BM_PiePublication(benchmark::State& state) {
    const PieChartModel model = computePieChart(benchData().store, onePopulation());
    paintAt<PieChartModel, CPieChartPainter>(state, model, publication(), kPublicationSize);
}

void BM_PyramidPublication(benchmark::State& state) {
    const PyramidModel model = computePyramid(benchData().store, onePopulation());
    paintAt<PyramidModel, CPyramidPainter>(state, model, publication(), kPublicationSize);
}

BENCHMARK(BM_CurvesModel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BarsModel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PieModel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PyramidModel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CurvesPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BarsPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PiePaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PyramidPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CurvesPublication)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BarsPublication)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PiePublication)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PyramidPublication)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    installFaceSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
