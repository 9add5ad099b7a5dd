#include "core/data/Codes.h"

#include <gtest/gtest.h>
#include <optional>

namespace orvelan {
namespace {

TEST(AgeRangeSuffix, FollowsTheTitleNotation) {
    EXPECT_EQ(ageRangeSuffix(0, 17), " (All ages)");
    EXPECT_EQ(ageRangeSuffix(17, 17), " (age 85+)");
    EXPECT_EQ(ageRangeSuffix(0, 12), " (age  0-64)");
    EXPECT_EQ(ageRangeSuffix(3, 17), " (age 15-85+)");
    EXPECT_EQ(ageRangeSuffix(16, 16), " (age 80-84)");
}

TEST(SexLabel, UsesChildrensFormsBelowTwenty) {
    EXPECT_EQ(sexLabel(Sex::Both, 3), "Children");
    EXPECT_EQ(sexLabel(Sex::Both, 4), "Both sexes");
    EXPECT_EQ(sexLabel(Sex::Male, 0), "Boys");
    EXPECT_EQ(sexLabel(Sex::Female, 17), "Female");
}

TEST(LabelTables, HaveTheirFixedEnds) {
    EXPECT_EQ(lowerLabel(0), " 0-");
    EXPECT_EQ(lowerLabel(17), "85-");
    EXPECT_EQ(lowerLabel(18), "Unk");
    EXPECT_EQ(upperLabel(17), "85+");
    EXPECT_EQ(columnHeading(17), "85+");
    EXPECT_EQ(columnHeading(19), "All ages");
    EXPECT_EQ(openTopLabel(15), "75+");
    EXPECT_EQ(openTopLabel(14), "70+");
    EXPECT_EQ(rateKindLabel(4), "Cumulative risk");
}

// Files, settings and combo boxes hold sexes as numbers; these helpers are the one door between
// those numbers and the enum, so a number outside 0-2 must be refused.
TEST(CodeIndexes, SexIndexesZeroToTwoRoundTripAndOthersAreRefused) {
    struct Case {
        int index;
        std::optional<Sex> sex;
    };
    const Case cases[] = {
        {-1, std::nullopt}, {0, Sex::Male},    {1, Sex::Female},
        {2, Sex::Both},     {3, std::nullopt}, {10, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sexFromIndex(c.index), c.sex) << c.index;
        if (c.sex) {
            EXPECT_EQ(indexOf(*c.sex), c.index);
        }
    }
    // The single-sex loop order is the order of the data files' records.
    EXPECT_EQ(indexOf(kSingleSexes[0]), 0);
    EXPECT_EQ(indexOf(kSingleSexes[1]), 1);
}

} // namespace
} // namespace orvelan
