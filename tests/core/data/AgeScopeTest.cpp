#include "core/data/AgeScope.h"

#include <gtest/gtest.h>

namespace orvelan {
namespace {

TEST(AgeScope, FieldTextsForLastGroup17And15) {
    EXPECT_EQ(ageScopeFromMaximum(17), 16);
    EXPECT_EQ(ageScopeFromMaximum(15), 14);
    EXPECT_EQ(ageScopeFromMaximum(0), 0);
    EXPECT_EQ(ageScopeFromText(0), " 0-");
    EXPECT_EQ(ageScopeFromText(16), "80-");
    EXPECT_EQ(ageScopeToText(17, 17), "85+");
    EXPECT_EQ(ageScopeToText(16, 17), "84");
    EXPECT_EQ(ageScopeToText(15, 15), "75+");
    EXPECT_EQ(ageScopeToText(14, 15), "74");
    EXPECT_EQ(ageScopeToText(0, 15), " 4");
}

TEST(AgeScope, ReadsTextsBack) {
    struct Case {
        const char* from;
        const char* to;
        int last;
        int expectedFrom;
        int expectedTo;
    };
    for (const Case& c : {Case{" 0-", "85+", 17, 0, 17}, Case{"15-", "64", 17, 3, 12},
                          Case{" 0-", "75+", 15, 0, 15}, Case{"70-", "74", 15, 14, 14},
                          Case{"50-", "54", 17, 10, 10}}) {
        const auto range = readAgeScope(c.from, c.to, c.last);
        ASSERT_TRUE(range.has_value()) << c.from << c.to;
        EXPECT_EQ(range->first, c.expectedFrom);
        EXPECT_EQ(range->second, c.expectedTo);
    }
}

TEST(AgeScope, RefusesInvalidRanges) {
    EXPECT_FALSE(readAgeScope("60-", "54", 17).has_value()); // to < from
    EXPECT_FALSE(readAgeScope("80-", "75+", 15).has_value());
    EXPECT_FALSE(readAgeScope("x", "54", 17).has_value());
    EXPECT_FALSE(readAgeScope(" 0-", "", 17).has_value());
}

} // namespace
} // namespace orvelan
