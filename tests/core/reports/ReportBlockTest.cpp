#include "core/reports/ReportBlock.h"

#include <gtest/gtest.h>

namespace orvelan {
namespace {

TEST(ReportBlock, StartsWithWholeAgeRangeWorldAsrAndEmptyLists) {
    const ReportChoices c;
    EXPECT_EQ(c.block.toArray(), (std::array<std::int32_t, 11>{0, 0, 0, 0, 0, 0, 17, 1, 0, 0, 0}));
    for (int v : c.registries) {
        EXPECT_EQ(v, -1);
    }
    for (int v : c.cancers) {
        EXPECT_EQ(v, -1);
    }
}

TEST(ReportBlock, SexBoxesGiveFieldsEightToTen) {
    const struct {
        bool male;
        bool female;
        std::int32_t femaleMark;
        std::array<std::int32_t, 3> fields; // sexes, male, female
    } cases[] = {
        {true, false, 1, {0, 1, 0}}, {false, true, 1, {1, 0, 1}}, {true, true, 1, {2, 1, 1}},
        {true, true, 2, {2, 1, 2}},  {false, true, 2, {1, 0, 2}}, // the summary page marks 2
    };
    for (const auto& c : cases) {
        ReportBlock b;
        b.setSexes(c.male, c.female, c.femaleMark);
        EXPECT_EQ((std::array<std::int32_t, 3>{b.sexes, b.male, b.female}), c.fields)
            << c.male << c.female << c.femaleMark;
    }
}

} // namespace
} // namespace orvelan
