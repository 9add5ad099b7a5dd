// Summary rates and age curves of the generated set: plausible levels, recognisable contrasts.
#include "CDataSetGenerator.h"
#include "GeneratedSet.h"
#include "core/data/CIncidenceStore.h"
#include "core/rates/SeriesRates.h"

#include <gtest/gtest.h>
#include <vector>

namespace orvelan::test {
namespace {

TEST(MkDataRates, WorldAsrOfAllSitesButSkinIsPlausibleForGeneralRegistries) {
    for (int population = 0; population < 229; ++population) {
        if (defaultSet().population(population, 0).type == 's') {
            continue;
        }
        for (int sex = 0; sex < 2; ++sex) {
            const double asr = defaultSet().worldAsr(population, sex, 1);
            EXPECT_GE(asr, 80.0) << population << '/' << sex;
            EXPECT_LE(asr, 450.0) << population << '/' << sex;
        }
    }
}

// The generator's ASR is the rates engine's (whose arithmetic SeriesRates pins by hand).
TEST(MkDataRates, TheIncidenceStoreReadsTheSameFigures) {
    CIncidenceStore store;
    ASSERT_TRUE(store.open(defaultSet().directory));
    for (const int population : {0, 2, 4, 17, 74, 88, 110, 201, 223}) {
        for (int sex = 0; sex < 2; ++sex) {
            ASSERT_TRUE(store.load(population, 1, *sexFromIndex(sex)));
            EXPECT_EQ(store.lastAgeGroup(), defaultSet().lastAgeGroup(population, sex));
            EXPECT_EQ(store.verification(), defaultSet().cases(population, sex, 1).verification);
            const RateResult asr = computeRate(store.series(), RateKind::AsrWorld, 0, 17);
            ASSERT_TRUE(asr.ok) << population;
            const double expected = defaultSet().worldAsr(population, sex, 1);
            EXPECT_NEAR(asr.value, expected, 1e-6 * expected) << population << '/' << sex;
        }
    }
}

struct Contrast {
    const char* what;
    int cancer;
    int sex;
    std::vector<int> high;
    std::vector<int> low;
    double ratio; // the mean ASR of the high group is at least this many times the low group's
};

double meanAsr(const std::vector<int>& populations, int sex, int cancer) {
    double sum = 0.0;
    for (const int population : populations) {
        sum += defaultSet().worldAsr(population, sex, cancer);
    }
    return sum / static_cast<double>(populations.size());
}

TEST(MkDataRates, RegionalContrastsAnEpidemiologistRecognises) {
    const std::vector<Contrast> contrasts = {
        {"stomach, men: Japan over US whites", 34, 0, {98, 99, 101, 103}, {31, 43, 48, 69}, 3.0},
        {"liver, men: Qidong and The Gambia over Nordic", 58, 0, {78, 2}, {133, 135, 171}, 8.0},
        {"Kaposi sarcoma, men: Uganda, Zimbabwe over Europe", 111, 0, {4, 5}, {133, 201}, 20.0},
        {"melanoma, women: Australia, New Zealand over Spain", 102, 1, {215, 222}, {181, 185}, 3.0},
        {"nasopharynx, men: Hong Kong over England", 17, 0, {76}, {201}, 10.0},
        {"cervix: Cali, Chennai, Harare over Finland", 119, 1, {10, 85, 5}, {135}, 3.0},
        {"prostate: US blacks over Osaka", 153, 0, {33, 72}, {101}, 5.0},
        {"lung, men: Belarus, US whites over Mumbai", 77, 0, {128, 71}, {88}, 3.0},
        {"oral cavity, men: Mumbai, Karunagappally over Japan", 2, 0, {88, 87}, {101}, 3.0},
        {"oesophagus: Cixian over Iowa", 22, 0, {75}, {48}, 10.0},
    };
    for (const Contrast& contrast : contrasts) {
        const double high = meanAsr(contrast.high, contrast.sex, contrast.cancer);
        const double low = meanAsr(contrast.low, contrast.sex, contrast.cancer);
        EXPECT_GT(high, contrast.ratio * low) << contrast.what << ": " << high << " vs " << low;
    }
}

/// Age-specific rates per 100,000 pooled over the general registries with classes up to 85+.
std::vector<double> pooledRates(int cancer, int sex) {
    std::vector<double> cases(18, 0.0);
    std::vector<double> people(18, 0.0);
    for (int population = 0; population < 229; ++population) {
        if (defaultSet().population(population, sex).type == 's' ||
            defaultSet().lastAgeGroup(population, sex) != 17) {
            continue;
        }
        const ReadPopulation& record = defaultSet().population(population, sex);
        const ReadCases& counts = defaultSet().cases(population, sex, cancer);
        for (std::size_t age = 0; age < 18; ++age) {
            cases[age] += counts.cases[age];
            people[age] += record.personYears[age];
        }
    }
    for (std::size_t age = 0; age < 18; ++age) {
        cases[age] = cases[age] / people[age] * 100000.0;
    }
    return cases;
}

TEST(MkDataRates, AgeCurvesHaveTheirKnownShapes) {
    const auto leukaemia = pooledRates(237, 0); // acute lymphoid leukaemia, boys and men
    EXPECT_GT(leukaemia[0], 2.0 * leukaemia[3]);
    EXPECT_GT(leukaemia[0], 2.0 * leukaemia[8]);
    const auto retinoblastoma = pooledRates(178, 1);
    EXPECT_GT(retinoblastoma[0], 0.5);
    EXPECT_EQ(retinoblastoma[6] + retinoblastoma[10] + retinoblastoma[14], 0.0);
    const auto testis = pooledRates(154, 0);
    EXPECT_GT(testis[6], 2.0 * testis[12]); // 30-34 over 60-64
    EXPECT_GT(testis[6], 5.0 * testis[2]);  // and over 10-14
    const auto hodgkin = pooledRates(227, 0);
    EXPECT_GT(hodgkin[4], hodgkin[9]);  // 20-24 over 45-49
    EXPECT_GT(hodgkin[15], hodgkin[9]); // and 75-79 over 45-49 again
    const auto lung = pooledRates(77, 0);
    EXPECT_GT(lung[13], 10.0 * lung[8]); // 65-69 over 40-44
    const auto breast = pooledRates(115, 1);
    EXPECT_GT(breast[9], 4.0 * breast[6]); // 45-49 over 30-34
    EXPECT_GT(breast[13], breast[9]);
    const auto kidney = pooledRates(163, 1);
    EXPECT_GT(kidney[0], kidney[3]); // Wilms tumour in infancy before the adult rise
}

} // namespace
} // namespace orvelan::test
