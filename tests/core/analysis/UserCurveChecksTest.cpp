#include "core/analysis/UserCurveChecks.h"

#include <gtest/gtest.h>

namespace orvelan {
namespace {

/// Person-years 1000 in groups 0..last, 0 above.
AgeArray filledUpTo(int last) {
    AgeArray personYears{};
    for (int j = 0; j <= last; ++j) {
        personYears[static_cast<std::size_t>(j)] = 1000.0;
    }
    return personYears;
}

TEST(CheckUserCurve, AsksForPersonYearsWithoutGaps) {
    AgeArray gap = filledUpTo(14);
    gap[8] = 0.0; // 40-44 empty below filled groups
    AgeArray lateStart = filledUpTo(17);
    lateStart[0] = 0.0;

    struct Case {
        AgeArray personYears;
        int ageLow, ageHigh;
        std::optional<std::string> message;
    };
    const Case cases[] = {
        {filledUpTo(17), 0, 17, std::nullopt},
        {filledUpTo(14), 0, 17, std::nullopt}, // 70+ is the open top class
        {filledUpTo(14), 3, 14, std::nullopt},
        {gap, 0, 17, "You must enter person-years up to 74"},
        {AgeArray{}, 0, 17, "You must enter person-years up to  4"},
        {lateStart, 5, 12, "You must enter person-years up to 85+"},
        {filledUpTo(10), 0, 12, "You must enter person-years from  0- up to 64"},
        {filledUpTo(10), 4, 16, "You must enter person-years from 20- up to 84"},
        {filledUpTo(10), 2, 10, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(checkUserCurve(c.personYears, c.ageLow, c.ageHigh), c.message)
            << c.message.value_or("accepted");
    }
}

TEST(UserCurveWarning, NamesTheOpenTopClassBelowEightyFive) {
    EXPECT_EQ(userCurveWarning(filledUpTo(14)), "Warning: 74 will be interpreted as 70+");
    EXPECT_EQ(userCurveWarning(filledUpTo(15)), "Warning: 79 will be interpreted as 75+");
    EXPECT_EQ(userCurveWarning(filledUpTo(0)), "Warning:  4 will be interpreted as  0+");
    EXPECT_EQ(userCurveWarning(filledUpTo(17)), std::nullopt);
    EXPECT_EQ(userCurveLastAgeGroup(filledUpTo(14)), 14);
    EXPECT_EQ(userCurveLastAgeGroup(AgeArray{}), 0);
}

} // namespace
} // namespace orvelan
