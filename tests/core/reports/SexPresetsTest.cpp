#include "core/reports/SexPresets.h"

#include "TempDir.h"
#include "core/data/CUserGroupDictionary.h"

#include <gtest/gtest.h>

namespace orvelan {
namespace {

TEST(SexPresets, DisableTheSexNoChosenCancerOccursIn) {
    test::TempDir dir;
    CUserGroupDictionary groups(GroupKind::Cancer);
    EXPECT_TRUE(groups.load(dir.file("ICDuser.dic")).ok());
    ASSERT_TRUE(groups.append("Female only", {117, 119}));
    ASSERT_TRUE(groups.append("Male only", {153}));
    struct Case {
        std::vector<int> cancers;
        bool maleDisabled;
        bool femaleDisabled;
    };
    const std::vector<Case> cases = {
        {{}, false, false},         {{34}, false, false}, // Stomach
        {{153}, false, true},                             // Prostate
        {{117}, true, false},                             // Vulva
        {{117, 153}, false, false},                       // one each
        {{252}, true, false},                             // female-only group
        {{253, 154}, false, true},                        // male-only group and Testis
        {{252, 34}, false, false},
    };
    for (const Case& c : cases) {
        const SexPreset preset = sexPresetFor(c.cancers, groups);
        EXPECT_EQ(preset.maleDisabled, c.maleDisabled) << c.cancers.size();
        EXPECT_EQ(preset.femaleDisabled, c.femaleDisabled) << c.cancers.size();
    }
}

} // namespace
} // namespace orvelan
