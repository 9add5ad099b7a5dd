// The two comparisons on the generated set: every population against itself, and neighbours
// against each other, give sound figures and complete layouts.
#include "CDataSetGenerator.h"
#include "GeneratedSet.h"
#include "KnownCodes.h"
#include "core/data/CIncidenceStore.h"
#include "core/rates/ComparisonLayouts.h"
#include "core/rates/ComparisonTexts.h"

#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

namespace orvelan::test {
namespace {

using orvelan::test::kStomach;

struct GeneratedStore : ::testing::Test {
    static void SetUpTestSuite() {
        store = new CIncidenceStore;
        ASSERT_TRUE(
            store->open(GeneratedSet::forSeed(mkdata::CDataSetGenerator::kDefaultSeed).directory));
    }
    static void TearDownTestSuite() {
        delete store;
        store = nullptr;
    }
    static CIncidenceStore* store;
};

CIncidenceStore* GeneratedStore::store = nullptr;

CurvePair request(int refPopulation, int compPopulation, int sex) {
    CurvePair pair;
    pair.refPopulation = refPopulation;
    pair.compPopulation = compPopulation;
    pair.refCancer = pair.compCancer = kStomach;
    pair.refSex = pair.compSex = sex;
    pair.ageLow = 0;
    pair.ageHigh = kTopAgeGroup;
    return pair;
}

TEST_F(GeneratedStore, NeighbouringPopulationsGiveCompleteLayouts) {
    int compared = 0;
    for (int population = 0; population + 1 < kPopulationCount; population += 5) {
        for (int sex = 0; sex < 2; ++sex) {
            CurvePair pair = request(population, population + 1, sex);
            const ComparisonRun run = runComparison(pair, *store, nullptr);
            if (!run.ok()) {
                continue; // a specialised registry without stomach cases
            }
            ++compared;
            EXPECT_GT(pair.rrML, 0.0) << population;
            EXPECT_LT(std::abs(std::log(pair.rrMH / pair.rrML)), 0.05) << population;
            for (const double p : {pair.pMHC, pair.pHeterogeneity, pair.pTrend}) {
                EXPECT_GE(p, 0.0) << population;
                EXPECT_LE(p, 1.0) << population;
            }
            EXPECT_EQ(pair.dfHeterogeneity, pair.ageHigh) << population; // groups 0..L, less 1
            std::istringstream text(comparisonText(pair, run.texts, ComparisonLayout::Formatted));
            int lines = 0;
            for (std::string line; std::getline(text, line);) {
                ++lines;
                EXPECT_EQ(line.find("nan"), std::string::npos) << line;
            }
            EXPECT_EQ(lines, 19) << population;
        }
    }
    EXPECT_GT(compared, 70);
}

} // namespace
} // namespace orvelan::test
