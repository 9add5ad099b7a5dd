// The two comparisons on the generated set: every population against itself, and neighbours
// against each other, give sound figures and complete layouts.
#include "GeneratedSet.h"
#include "KnownCodes.h"
#include "TextLines.h"
#include "core/data/CIncidenceStore.h"
#include "core/rates/ComparisonLayouts.h"
#include "core/rates/ComparisonTexts.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orvelan::test {
namespace {

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

TEST(MkDataComparison, NeighbouringPopulationsGiveCompleteLayouts) {
    CIncidenceStore store;
    ASSERT_TRUE(store.open(defaultSet().directory));
    int compared = 0;
    for (int population = 0; population + 1 < kPopulationCount; population += 5) {
        for (int sex = 0; sex < 2; ++sex) {
            CurvePair pair = request(population, population + 1, sex);
            const ComparisonRun run = runComparison(pair, store, nullptr);
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
            const std::string text = comparisonText(pair, run.texts, ComparisonLayout::Formatted);
            EXPECT_EQ(linesOf(text).size(), 19u) << population;
            EXPECT_EQ(text.find("nan"), std::string::npos) << text;
        }
    }
    EXPECT_GT(compared, 70);
}

} // namespace
} // namespace orvelan::test
