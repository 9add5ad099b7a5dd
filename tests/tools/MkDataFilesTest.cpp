// The generated files: sizes, folders, determinism and the hierarchy of the cancer rows.
#include "CCancerTree.h"
#include "CDataSetGenerator.h"
#include "CDataSetWriter.h"
#include "GeneratedSet.h"
#include "core/data/CCancerDictionary.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <vector>

namespace orvelan::test {
namespace {

constexpr std::uint64_t kSeed = mkdata::CDataSetGenerator::kDefaultSeed;

TEST(MkDataFiles, ModelTablesAreComplete) {
    const mkdata::CDataSetGenerator generator(kSeed);
    EXPECT_EQ(generator.problems(), std::vector<std::string>{});
}

TEST(MkDataFiles, HaveTheirFixedSizesAndEmptyFolders) {
    namespace fs = std::filesystem;
    const fs::path dir(defaultSet().directory);
    EXPECT_EQ(fs::file_size(dir / "ORVELAN.POP"), 39388U);
    EXPECT_EQ(fs::file_size(dir / "ORVELAN.DAT"), 9233280U);
    for (const char* folder : {"Templates", "work"}) {
        ASSERT_TRUE(fs::is_directory(dir / folder)) << folder;
        EXPECT_TRUE(fs::is_empty(dir / folder)) << folder;
    }
    EXPECT_FALSE(fs::exists(dir / "ORVELAN.DAT.tmp"));
}

TEST(MkDataFiles, OneSeedGivesIdenticalBytesAndAnotherSeedOthers) {
    const mkdata::DataSet again = mkdata::CDataSetGenerator(kSeed).generate();
    EXPECT_TRUE(mkdata::CDataSetWriter::populationBytes(again) == defaultSet().populationBytes);
    EXPECT_TRUE(mkdata::CDataSetWriter::casesBytes(again) == defaultSet().casesBytes);
    const GeneratedSet& other = GeneratedSet::forSeed(kSeed + 1);
    EXPECT_FALSE(other.casesBytes == defaultSet().casesBytes);
}

TEST(MkDataFiles, WriteReportsAFolderThatCannotBeCreated) {
    const std::filesystem::path blocker =
        std::filesystem::path(defaultSet().directory) / "ORVELAN.POP";
    std::string error;
    EXPECT_FALSE(
        mkdata::CDataSetWriter::write(mkdata::DataSet{}, (blocker / "sub").string(), error));
    EXPECT_NE(error.find("sub"), std::string::npos) << error;
}

/// Every parent equals the sum of each complete partition of it, age group by age group.
void expectSum(int population, int sex, int parent, const std::vector<int>& parts) {
    const ReadCases& whole = defaultSet().cases(population, sex, parent);
    for (std::size_t age = 0; age < 19; ++age) {
        double sum = 0.0;
        for (const int part : parts) {
            sum += defaultSet().cases(population, sex, part).cases[age];
        }
        ASSERT_EQ(whole.cases[age], sum) << "population " << population << " sex " << sex
                                         << " cancer " << parent << " age group " << age;
    }
}

TEST(MkDataHierarchy, EveryPartitionOfEveryRowAddsUpInEveryAgeGroup) {
    const mkdata::CCancerTree tree;
    for (int population = 0; population < 229; ++population) {
        for (int sex = 0; sex < 2; ++sex) {
            for (int cancer = 0; cancer < 252; ++cancer) {
                for (const auto& parts : tree.partitions(cancer)) {
                    expectSum(population, sex, cancer, parts);
                }
            }
        }
    }
}

std::vector<int> range(int first, int last) {
    std::vector<int> values(static_cast<std::size_t>(last - first + 1));
    std::iota(values.begin(), values.end(), first);
    return values;
}

TEST(MkDataHierarchy, KnownPartitionsAndTotals) {
    struct Partition {
        int parent;
        std::vector<int> parts;
    };
    const std::vector<Partition> partitions = {
        {0, {2, 21, 72, 90, 101, 109, 115, 116, 151, 162, 176, 209, 222, 251}},
        {12, {13, 14}},         // parotid gland is named in full, still below it
        {22, range(23, 29)},    // oesophagus by morphology
        {22, range(30, 33)},    // and by third
        {90, range(91, 98)},    // bone by morphology
        {90, {99, 100}},        // and by site
        {101, {102, 108}},      // skin
        {147, {148, 149}},      //
        {186, range(187, 202)}, // brain by morphology
        {186, {203, 204, 205}}, // and by site
        {205, {206, 207, 208}}, // level-3 subdivisions
        {223, {224, 225, 226}}, //
        {235, {236, 241, 246}}, // leukaemia by cell type
        {236, range(237, 240)}, //
        {241, range(242, 245)}, //
        {246, range(247, 250)}, //
    };
    for (const int population : {0, 17, 88, 133, 201, 223}) {
        for (int sex = 0; sex < 2; ++sex) {
            for (const Partition& partition : partitions) {
                expectSum(population, sex, partition.parent, partition.parts);
            }
            const ReadCases& all = defaultSet().cases(population, sex, 0);
            const ReadCases& butSkin = defaultSet().cases(population, sex, 1);
            const ReadCases& skin = defaultSet().cases(population, sex, 108);
            for (std::size_t age = 0; age < 19; ++age) {
                EXPECT_EQ(butSkin.cases[age], all.cases[age] - skin.cases[age]);
            }
        }
    }
}

TEST(MkDataHierarchy, OtherAndUnspecifiedOfTheStandardTableIsNeverNegative) {
    for (int population = 0; population < 229; ++population) {
        for (int sex = 0; sex < 2; ++sex) {
            const ReadCases& all = defaultSet().cases(population, sex, 0);
            std::array<double, 19> listed{};
            for (int cancer = 2; cancer < 252; ++cancer) {
                const int row = CCancerDictionary::standardRow(cancer);
                if (row < 0 || row > 57) {
                    continue;
                }
                const ReadCases& record = defaultSet().cases(population, sex, cancer);
                for (std::size_t age = 0; age < 19; ++age) {
                    listed[age] += record.cases[age];
                }
            }
            for (std::size_t age = 0; age < 19; ++age) {
                ASSERT_LE(listed[age], all.cases[age]) << population << '/' << sex << '/' << age;
            }
        }
    }
}

TEST(MkDataHierarchy, SexSpecificSitesHaveNoCasesInTheOtherSex) {
    int checked = 0;
    for (int cancer = 0; cancer < 252; ++cancer) {
        for (int sex = 0; sex < 2; ++sex) {
            const bool applies = sex == 0 ? CCancerDictionary::appliesToMales(cancer)
                                          : CCancerDictionary::appliesToFemales(cancer);
            if (applies) {
                continue;
            }
            ++checked;
            for (int population = 0; population < 229; ++population) {
                ASSERT_EQ(defaultSet().totalCases(population, sex, cancer), 0.0)
                    << "cancer " << cancer << " sex " << sex << " population " << population;
            }
        }
    }
    EXPECT_GT(checked, 40); // the female genital organs, the male genital organs and their rows
    EXPECT_GT(defaultSet().totalCases(201, 0, 153), 0.0); // prostate in English men
    EXPECT_GT(defaultSet().totalCases(201, 1, 119), 0.0); // cervix in English women
}

} // namespace
} // namespace orvelan::test
