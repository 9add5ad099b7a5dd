#include "core/data/Codes.h"

#include <gtest/gtest.h>
#include <optional>

namespace orvelan {
namespace {

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
