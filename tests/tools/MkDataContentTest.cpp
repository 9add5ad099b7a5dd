// What an epidemiologist opening the generated set expects of registry data.
#include "CCancerTree.h"
#include "CDataSetGenerator.h"
#include "GeneratedSet.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace orvelan::test {
namespace {

TEST(MkDataPopulations, SpecialisedRegistriesRecordOneChapterOnly) {
    const mkdata::CCancerTree tree;
    std::set<int> specialised;
    for (int population = 0; population < 229; ++population) {
        for (int sex = 0; sex < 2; ++sex) {
            const char type = defaultSet().population(population, sex).type;
            if (type == 's') {
                specialised.insert(population);
            } else {
                EXPECT_EQ(type, 'g') << population;
            }
        }
    }
    EXPECT_EQ(specialised, (std::set<int>{74, 75, 138, 153}));
    for (const int population : specialised) {
        std::set<int> chapters;
        for (int sex = 0; sex < 2; ++sex) {
            for (const int chapter : tree.chapters()) {
                if (defaultSet().totalCases(population, sex, chapter) > 0.0) {
                    chapters.insert(chapter);
                }
            }
        }
        EXPECT_EQ(chapters.size(), 1U) << population;
    }
}

TEST(MkDataPopulations, AFewCarryAMarker) {
    int marked = 0;
    for (int population = 0; population < 229; ++population) {
        const char marker = defaultSet().population(population, 0).marker;
        EXPECT_EQ(marker, defaultSet().population(population, 1).marker);
        marked += marker != ' ' ? 1 : 0;
    }
    EXPECT_GE(marked, 2);
    EXPECT_LE(marked, 10);
}

TEST(MkDataPopulations, RegistrationPeriodsOfOneToSixYearsMostlyFive) {
    int fiveYears = 0;
    for (int population = 0; population < 229; ++population) {
        const ReadPopulation& male = defaultSet().population(population, 0);
        const ReadPopulation& female = defaultSet().population(population, 1);
        EXPECT_EQ(male.firstYear, female.firstYear);
        EXPECT_EQ(male.lastYear, female.lastYear);
        const int years = male.lastYear - male.firstYear + 1;
        EXPECT_GE(years, 1) << population;
        EXPECT_LE(years, 6) << population;
        EXPECT_GE(male.firstYear, 1980) << population;
        EXPECT_LE(male.lastYear, 1999) << population;
        fiveYears += years == 5 ? 1 : 0;
    }
    EXPECT_GT(fiveYears, 229 / 2);
}

TEST(MkDataPopulations, AtLeastADozenEndTheirAgeClassesEarly) {
    std::set<int> lastGroups;
    int early = 0;
    for (int population = 0; population < 229; ++population) {
        const int last = defaultSet().lastAgeGroup(population, 0);
        EXPECT_EQ(last, defaultSet().lastAgeGroup(population, 1)) << population;
        EXPECT_GE(last, 14) << population;
        if (last == 17) {
            continue;
        }
        ++early;
        lastGroups.insert(last);
        for (int sex = 0; sex < 2; ++sex) {
            const ReadCases& all = defaultSet().cases(population, sex, 0);
            for (auto age = static_cast<std::size_t>(last) + 1; age < 18; ++age) {
                EXPECT_EQ(defaultSet().population(population, sex).personYears[age], 0.0);
                EXPECT_EQ(all.cases[age], 0.0) << population << " age group " << age;
            }
        }
    }
    EXPECT_GE(early, 12);
    EXPECT_EQ(lastGroups, (std::set<int>{14, 15, 16}));
}

TEST(MkDataCases, AboutAThirdHaveAFewCasesOfUnknownAge) {
    int withUnknown = 0;
    int personYearsUnknown = 0;
    for (int population = 0; population < 229; ++population) {
        bool unknown = false;
        for (int sex = 0; sex < 2; ++sex) {
            const double total = defaultSet().totalCases(population, sex, 0);
            const double lost = defaultSet().cases(population, sex, 0).cases[18];
            EXPECT_LE(lost, 0.04 * total) << population;
            unknown = unknown || lost > 0.0;
        }
        withUnknown += unknown ? 1 : 0;
        personYearsUnknown += defaultSet().population(population, 0).personYears[18] > 0.0 ? 1 : 0;
    }
    EXPECT_GE(withUnknown, 229 / 4);
    EXPECT_LE(withUnknown, 229 * 45 / 100);
    EXPECT_GE(personYearsUnknown, 1);
    EXPECT_LE(personYearsUnknown, 8);
}

TEST(MkDataCases, VerificationIsTheCaseWeightedMeanOfEachPartition) {
    const mkdata::CCancerTree tree;
    std::set<int> notAvailable;
    for (int population = 0; population < 229; ++population) {
        for (int sex = 0; sex < 2; ++sex) {
            for (int cancer = 0; cancer < 252; ++cancer) {
                const ReadCases& record = defaultSet().cases(population, sex, cancer);
                if (record.verification < 0.0) {
                    notAvailable.insert(population);
                    continue;
                }
                ASSERT_LE(record.verification, 100.0);
                for (const auto& parts : tree.partitions(cancer)) {
                    double cases = 0.0;
                    double verified = 0.0;
                    for (const int part : parts) {
                        const double count = defaultSet().totalCases(population, sex, part);
                        cases += count;
                        verified += count * defaultSet().cases(population, sex, part).verification;
                    }
                    const double mean = cases > 0.0 ? verified / cases : 0.0;
                    ASSERT_NEAR(record.verification, mean, 0.01)
                        << population << '/' << sex << '/' << cancer;
                }
            }
        }
    }
    EXPECT_GE(notAvailable.size(), 2U);
    EXPECT_LE(notAvailable.size(), 6U);
    for (const int population : notAvailable) {
        EXPECT_LT(defaultSet().cases(population, 0, 0).verification, 0.0);
        EXPECT_LT(defaultSet().cases(population, 1, 77).verification, 0.0);
    }
}

} // namespace
} // namespace orvelan::test
