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

TEST(ReportBlock, ArrayOrderIsFileOrder) {
    const std::array<std::int32_t, 11> v{2, 1, 1, 7, 272, 3, 15, 4, 2, 1, 2};
    const ReportBlock b = ReportBlock::fromArray(v);
    EXPECT_EQ(b.reportKind, 2);
    EXPECT_EQ(b.fixedRegistry, 272);
    EXPECT_EQ(b.ageTo, 15);
    EXPECT_EQ(b.female, 2);
    EXPECT_EQ(b.toArray(), v);
}

TEST(ReportBlock, BoundingClearsSlotsBeyondTheUserGroups) {
    ReportChoices c;
    for (int s = 0; s < kSelectionListSize; ++s) {
        c.registries[static_cast<std::size_t>(s)] = s;
        c.cancers[static_cast<std::size_t>(s)] = s;
    }
    boundSelectionLists(c, 3, 0);
    EXPECT_EQ(c.registries[274], 274);
    EXPECT_EQ(c.registries[275], -1);
    EXPECT_EQ(c.cancers[251], 251);
    EXPECT_EQ(c.cancers[252], -1);
    EXPECT_EQ(c.cancers[320], -1);
}

} // namespace
} // namespace orvelan
