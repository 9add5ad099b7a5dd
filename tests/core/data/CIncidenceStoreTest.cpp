#include "core/data/CIncidenceStore.h"

#include "OpenStore.h"
#include "TempDir.h"
#include "core/data/CCancerDictionary.h"
#include "core/data/CRegistryDictionary.h"
#include "core/data/CUserGroupDictionary.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

namespace orvelan {
namespace {

using test::CasesFixture;
using test::FixtureData;
using test::PopulationFixture;
using test::TempDir;

const auto casesAt = FixtureData::seriesAt;

PopulationFixture population(int lastAgeGroup, double perGroup = 1000.0) {
    PopulationFixture record;
    record.personYears = FixtureData::flatPersonYears(perGroup, lastAgeGroup);
    return record;
}

struct StoreTest : ::testing::Test, test::OpenStore {
    FixtureData data;
    void open() { ASSERT_TRUE(OpenStore::open(data)); }
};

/// Writes raw bytes into a data file at an offset computed here, not by the fixture writer.
void patch(const std::string& path, std::size_t offset, const std::vector<float>& values) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(offset));
    for (float value : values) {
        char bytes[4];
        std::memcpy(bytes, &value, 4);
        file.write(bytes, 4);
    }
}

TEST_F(StoreTest, RecordsAreAddressedByPopulationSexAndCancer) {
    data.write(dir.str());
    // Population 0, sex 1 starts at byte 86: years 1990-1994, 500 person-years in 0-4.
    const std::int32_t years[2] = {1990, 1994};
    {
        std::fstream pop(dir.file("ORVELAN.POP"), std::ios::in | std::ios::out | std::ios::binary);
        pop.seekp(86);
        pop.write(reinterpret_cast<const char*>(years), 8);
        const float personYears = 500.0f;
        pop.write(reinterpret_cast<const char*>(&personYears), 4);
        pop.seekp(86 + 84);
        pop.write("s*", 2);
    }
    // Cases of population 0, sex 1 start at byte 252 x 80: cancer 0 and cancer 3.
    patch(dir.file("ORVELAN.DAT"), 252 * 80, {7.0f});
    patch(dir.file("ORVELAN.DAT"), (252 + 3) * 80 + 4 * 18, {2.0f, 55.0f});
    // The very last record of the file: population 228, sex 1, cancer 251.
    patch(dir.file("ORVELAN.DAT"), ((228 * 2 + 1) * 252 + 251) * 80 + 4, {9.0f});
    ASSERT_TRUE(store.open(dir.str()));

    ASSERT_TRUE(store.load(0, 0, Sex::Female));
    EXPECT_EQ(store.firstYear(), 1990);
    EXPECT_EQ(store.lastYear(), 1994);
    EXPECT_EQ(store.personYears()[0], 500.0);
    EXPECT_EQ(store.registryType(), 's');
    EXPECT_TRUE(store.isSpecialised());
    EXPECT_EQ(store.marker(), '*');
    EXPECT_EQ(store.lastAgeGroup(), 0);
    EXPECT_EQ(store.cases()[0], 7.0);
    ASSERT_TRUE(store.load(0, 3, Sex::Female));
    EXPECT_EQ(store.cases()[18], 2.0);
    EXPECT_DOUBLE_EQ(store.verification(), 55.0);
    ASSERT_TRUE(store.load(0, 0, Sex::Male));
    EXPECT_EQ(store.cases()[0], 0.0);
    ASSERT_TRUE(store.load(228, 251, Sex::Female));
    EXPECT_EQ(store.cases()[1], 9.0);
}

TEST_F(StoreTest, OutOfRangeNumbersFailAndClearTheSeries) {
    data.setPopulation(3, 0, population(17));
    data.setCases(3, 0, 5, {casesAt({{0, 4.0}}), 90.0f});
    open();
    const struct {
        int population, sex, cancer;
    } bad[] = {{229, 0, 5}, {-1, 0, 5}, {3, 3, 5}, {3, -1, 5}, {3, 0, -1}};
    for (const auto& b : bad) {
        ASSERT_TRUE(store.load(3, 5, Sex::Male));
        EXPECT_FALSE(store.load(b.population, b.cancer, static_cast<Sex>(b.sex)));
        EXPECT_EQ(store.cases()[0], 0.0);
        EXPECT_EQ(store.personYears()[0], 0.0);
    }
    EXPECT_FALSE(store.load(272, 5, Sex::Male)); // no registry group defined
    EXPECT_FALSE(store.load(3, 252, Sex::Male)); // no cancer group defined
    // A hand-edited dictionary naming a population beyond the data files.
    dir.write("POPuser.dic", "ORVELAN   " + std::string(80, 'x') + "003250-01\n");
    EXPECT_TRUE(registryGroups.load(dir.file("POPuser.dic")).ok());
    ASSERT_EQ(registryGroups.count(), 1);
    EXPECT_FALSE(store.load(272, 5, Sex::Male));
    EXPECT_EQ(store.cases()[0], 0.0);
}

TEST_F(StoreTest, UnknownAgeFactorSpreadsUnknownCases) {
    const struct {
        AgeValues cases;
        double factor;
    } cases[] = {
        {casesAt({{3, 5.0}, {9, 3.0}, {18, 2.0}}), 1.25},
        {casesAt({{18, 10.0}}), 1.0},
        {casesAt({{3, 10.0}}), 1.0},
        {AgeValues{}, 1.0},
    };
    data.setPopulation(1, 1, population(17));
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        data.setCases(1, 1, static_cast<int>(k), {cases[k].cases, 100.0f});
    }
    open();
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        ASSERT_TRUE(store.load(1, static_cast<int>(k), Sex::Female));
        EXPECT_DOUBLE_EQ(store.unknownAgeFactor(), cases[k].factor) << k;
    }
}

// Three cancers of 40 cases at 50%, 60 at 100% and 20 without a percentage.
struct VerificationTest : StoreTest {
    void SetUp() override {
        const CasesFixture records[] = {{casesAt({{5, 40.0}}), 50.0f},
                                        {casesAt({{6, 60.0}}), 100.0f},
                                        {casesAt({{7, 20.0}}), -1.0f}};
        for (int k = 0; k < 3; ++k) {
            data.setPopulation(k, 0, population(17));
            data.setCases(0, 0, 10 + k, records[k]); // three cancers of one population
            data.setCases(k, 0, 10, records[k]);     // one cancer in three populations
        }
        open();
        ASSERT_TRUE(cancerGroups.append("Three cancers", {10, 11, 12}));
        ASSERT_TRUE(registryGroups.append("Three registries", {0, 1, 2}));
    }
};

TEST_F(VerificationTest, GroupsWeightThePercentagesByCases) {
    // A cancer group counts members without a percentage as 0 % verified.
    ASSERT_TRUE(store.load(0, 252, Sex::Male));
    EXPECT_NEAR(store.verification(), 66.6667, 1e-4);
    EXPECT_EQ(store.cases()[5] + store.cases()[6] + store.cases()[7], 120.0);
    // A registry group counts only members with a percentage.
    ASSERT_TRUE(store.load(272, 10, Sex::Male));
    EXPECT_DOUBLE_EQ(store.verification(), 80.0);
    EXPECT_EQ(store.personYears()[0], 3000.0);
    ASSERT_TRUE(store.load(0, 12, Sex::Male));
    EXPECT_DOUBLE_EQ(store.verification(), -1.0);
}

TEST_F(StoreTest, RegistryGroupFoldsPersonYearsIntoTheLowestTop) {
    data.setPopulation(4, 1, population(15, 100.0)); // ends at 75+
    data.setPopulation(5, 1, population(17, 10.0));  // ends at 85+
    data.setCases(4, 1, 7, {casesAt({{16, 1.0}, {17, 2.0}}), 100.0f});
    data.setCases(5, 1, 7, {casesAt({{16, 3.0}, {18, 4.0}}), 100.0f});
    open();
    ASSERT_TRUE(registryGroups.append("Old and new", {4, 5}));
    ASSERT_TRUE(store.load(272, 7, Sex::Female));
    EXPECT_EQ(store.lastAgeGroup(), 15);
    EXPECT_EQ(store.personYears()[14], 110.0);
    EXPECT_EQ(store.personYears()[15], 130.0); // 100 + 10 + 80-84 and 85+ of population 5
    EXPECT_EQ(store.personYears()[16], 0.0);
    EXPECT_EQ(store.personYears()[17], 0.0);
    EXPECT_EQ(store.cases()[16], 4.0); // cases stay where they are
    EXPECT_EQ(store.cases()[17], 2.0);
    EXPECT_DOUBLE_EQ(store.unknownAgeFactor(), 10.0 / 6.0);
}

TEST_F(StoreTest, MemberWithoutPersonYearsDoesNotLowerTheTop) {
    data.setPopulation(6, 0, population(14));
    data.setPopulation(8, 0, population(17));
    open();
    ASSERT_TRUE(registryGroups.append("Empty first", {7, 8}));
    ASSERT_TRUE(store.load(6, 0, Sex::Male));
    EXPECT_EQ(store.lastAgeGroup(), 14);
    // No person-years: open at 17 like a group of such members, whatever came before.
    ASSERT_TRUE(store.load(7, 0, Sex::Male));
    EXPECT_EQ(store.lastAgeGroup(), 17);
    ASSERT_TRUE(store.load(272, 0, Sex::Male));
    EXPECT_EQ(store.lastAgeGroup(), 17);
}

TEST_F(StoreTest, RegistryGroupWithCancerGroupReadsEveryPair) {
    for (int p : {10, 11}) {
        data.setPopulation(p, 0, population(17, 50.0));
        data.setCases(p, 0, 20, {casesAt({{2, 10.0}}), 50.0f});
        data.setCases(p, 0, 21, {casesAt({{2, 30.0}, {18, 10.0}}), -1.0f});
    }
    open();
    ASSERT_TRUE(registryGroups.append("Pair", {10, 11}));
    ASSERT_TRUE(cancerGroups.append("Two sites", {20, 21}));
    ASSERT_TRUE(store.load(272, 252, Sex::Male));
    EXPECT_EQ(store.cases()[2], 80.0);
    EXPECT_EQ(store.cases()[18], 20.0);
    EXPECT_EQ(store.personYears()[2], 100.0); // person-years once per population
    EXPECT_DOUBLE_EQ(store.verification(), 50.0);
    EXPECT_DOUBLE_EQ(store.unknownAgeFactor(), 100.0 / 80.0);
}

TEST_F(StoreTest, BothSexesAddTheTwoSeries) {
    data.setPopulation(2, 0, population(17, 100.0));
    data.setPopulation(2, 1, population(17, 300.0));
    data.setCases(2, 0, 34, {casesAt({{4, 30.0}, {18, 10.0}}), 50.0f});
    data.setCases(2, 1, 34, {casesAt({{4, 10.0}}), 90.0f});
    data.setCases(2, 1, 35, {casesAt({{4, 10.0}}), -1.0f});
    open();
    ASSERT_TRUE(store.load(2, 34, Sex::Both));
    EXPECT_EQ(store.cases()[4], 40.0);
    EXPECT_EQ(store.cases()[18], 10.0);
    EXPECT_EQ(store.personYears()[17], 400.0);
    EXPECT_DOUBLE_EQ(store.unknownAgeFactor(), 50.0 / 40.0);
    EXPECT_DOUBLE_EQ(store.verification(), (50.0 * 40 + 90.0 * 10) / 50.0);
    ASSERT_TRUE(store.load(2, 35, Sex::Both)); // only males have a percentage, and no cases
    EXPECT_DOUBLE_EQ(store.verification(), 0.0);
}

TEST(StoreFiles, MissingFilesAreNamedAndLoadsFail) {
    TempDir dir;
    CIncidenceStore store;
    EXPECT_FALSE(store.open(dir.str()));
    EXPECT_FALSE(store.isOpen());
    const std::vector<std::string> expected = {
        dir.file("ORVELAN.DAT") + ": file is missing (expected 9233280 bytes, found none)",
        dir.file("ORVELAN.POP") + ": file is missing (expected 39388 bytes, found none)"};
    EXPECT_EQ(store.problems(), expected);
    EXPECT_FALSE(store.load(0, 0, Sex::Male));
    EXPECT_FALSE(store.readPopulationRecord(0, Sex::Male));
    EXPECT_EQ(store.cases(), AgeValues{});
}

TEST(StoreFiles, ShortFileIsNamedWithBothSizes) {
    TempDir dir;
    FixtureData data;
    data.setPopulation(0, 0, population(17));
    data.write(dir.str());
    std::filesystem::resize_file(dir.file("ORVELAN.DAT"), 1000);
    CIncidenceStore store;
    EXPECT_FALSE(store.open(dir.str() + "/"));
    ASSERT_EQ(store.problems().size(), 1u);
    EXPECT_EQ(store.problems()[0],
              dir.file("ORVELAN.DAT") + ": file is too short (expected 9233280 bytes, found 1000)");
    EXPECT_FALSE(store.load(0, 0, Sex::Male));
    EXPECT_TRUE(store.readPopulationRecord(0, Sex::Male)); // the population file is sound
    EXPECT_EQ(store.personYears()[0], 1000.0);
}

// A new release copied over the open files: a file cut short refuses every load after the cut
// (instead of a bus error), and a file replaced or rewritten is reported as changed.
TEST(StoreFiles, FilesThatChangeWhileOpenAreRefusedOrReported) {
    TempDir dir;
    FixtureData data;
    data.setPopulation(200, 0, population(17));
    data.setCases(200, 0, 0, {casesAt({{3, 2.0}})});
    data.write(dir.str());
    CIncidenceStore store;
    ASSERT_TRUE(store.open(dir.str()));
    EXPECT_TRUE(store.load(200, 0, Sex::Male));
    EXPECT_EQ(store.changedOnDiskMessage(), "");

    std::filesystem::resize_file(dir.file("ORVELAN.DAT"), 100000);
    EXPECT_FALSE(store.load(200, 0, Sex::Male));
    EXPECT_EQ(store.loadError(), "ORVELAN.DAT was cut short on disk while in use: start again "
                                 "once the new data files are in place");
    EXPECT_FALSE(store.load(0, 0, Sex::Male)); // before the cut, but read after it
    EXPECT_EQ(store.changedOnDiskMessage(),
              "ORVELAN.DAT changed on disk after ORVELAN opened it: restart ORVELAN before "
              "computing further figures, so that all of them come from the same files.");

    std::filesystem::create_directory(dir.file("new"));
    data.write(dir.file("new"));
    std::filesystem::rename(dir.file("new/ORVELAN.POP"), dir.file("ORVELAN.POP"));
    EXPECT_EQ(store.changedOnDiskMessage().substr(0, 52),
              "ORVELAN.DAT and ORVELAN.POP changed on disk after OR");
}

TEST_F(StoreTest, LabelsReadThePopulationRecordOfSexZero) {
    PopulationFixture record = population(17, 5.0);
    record.firstYear = 1988;
    record.lastYear = 1992;
    record.marker = '*';
    data.setPopulation(0, 0, record);
    data.setPopulation(9, 1, population(17));
    PopulationFixture jews = population(17);
    jews.firstYear = jews.lastYear = 1995;
    jews.marker = '+';
    data.setPopulation(93, 0, jews);
    open();
    EXPECT_EQ(store.populationLabelByNumber(93, true), "+Israel: Jews (1995)");
    EXPECT_EQ(store.populationLabelByNumber(229, true), "");
    const int row = CRegistryDictionary::rowOfPopulation(0).value();
    // A label between a load and a figure changes nothing of the series.
    ASSERT_TRUE(store.load(9, 0, Sex::Female));
    const Series loaded = store.series();
    const std::string label = store.populationLabel(row, true);
    EXPECT_EQ(label, CRegistryDictionary::label(row, {'*', 1988, 1992}, true));
    EXPECT_EQ(store.personYears(), loaded.personYears);
    EXPECT_EQ(store.firstYear(), loaded.firstYear);
    EXPECT_EQ(store.populationLabelByNumber(0, false),
              CRegistryDictionary::label(row, {'*', 1988, 1992}, false));

    ASSERT_TRUE(registryGroups.append("Nordic", {0}));
    ASSERT_TRUE(cancerGroups.append("Upper digestive", {34}));
    EXPECT_EQ(store.populationLabelByNumber(272, true), "Nordic");
    EXPECT_EQ(store.populationLabelByNumber(273, true), "");
    EXPECT_EQ(store.cancerLabel(252), "Upper digestive");
    EXPECT_EQ(store.cancerLabel(34), CCancerDictionary::label(34));
    EXPECT_EQ(store.cancerLabel(253), "");
}

} // namespace
} // namespace orvelan
