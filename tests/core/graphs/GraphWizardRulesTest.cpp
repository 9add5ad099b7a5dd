#include "core/graphs/GraphWizardRules.h"

#include "KnownCodes.h"
#include "TempDir.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/graphs/GraphSettings.h"

#include <gtest/gtest.h>

namespace orvelan {
namespace {

using orvelan::test::kBreast;
using orvelan::test::kCervix;
using orvelan::test::kProstate;
using orvelan::test::kStomach;

SelectionList listOf(std::initializer_list<int> slots) {
    SelectionList list = emptySelectionList();
    for (const int slot : slots) {
        list[static_cast<std::size_t>(slot)] = slot;
    }
    return list;
}

class GraphWizardRulesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(groups.load(dir.file("ICDuser.dic")));
        ASSERT_TRUE(groups.append("Male organs", {kProstate}));
    }
    test::TempDir dir;
    CUserGroupDictionary groups{GroupKind::Cancer};
};

TEST_F(GraphWizardRulesTest, CurveCountMultipliesRegistriesBySexesEachCancerGives) {
    struct Case {
        const char* name;
        SelectionList registries;
        SelectionList cancers;
        bool male;
        bool female;
        int expected;
    };
    const int group = kFirstCancerGroup;
    const Case cases[] = {
        {"3 registries x 4 both-sex cancers x 2 sexes", listOf({7, 8, 9}),
         listOf({0, kStomach, kBreast, 40}), true, true, 24},
        {"one sex halves it", listOf({7, 8, 9}), listOf({0, kStomach, kBreast, 40}), true, false,
         12},
        {"male-only cancer with Female only gives none", listOf({7}), listOf({kProstate}), false,
         true, 0},
        {"male-only cancer with both sexes gives one", listOf({7}), listOf({kProstate}), true, true,
         1},
        {"female-only cancer counts for Female", listOf({7, 8}), listOf({kCervix, kProstate}),
         false, true, 2},
        {"a group answers by its sex flags", listOf({7}), listOf({group}), false, true, 0},
        {"no sex checked", listOf({7}), listOf({kStomach}), false, false, 0},
        {"no registry", emptySelectionList(), listOf({kStomach}), true, true, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(curveCount(c.registries, c.cancers, c.male, c.female, groups), c.expected)
            << c.name;
    }
    EXPECT_EQ(cancersGivingCurves(listOf({kCervix, kProstate, kStomach}), true, false, groups),
              (std::vector<int>{kStomach, kProstate}));
}

TEST_F(GraphWizardRulesTest, BarCancersMustNotBelongOnlyToTheOtherSex) {
    EXPECT_TRUE(cancersFitSex(listOf({kStomach, kProstate}), Sex::Male, groups));
    EXPECT_FALSE(cancersFitSex(listOf({kStomach, kCervix}), Sex::Male, groups));
    EXPECT_FALSE(cancersFitSex(listOf({kProstate}), Sex::Female, groups));
    EXPECT_FALSE(cancersFitSex(listOf({kFirstCancerGroup}), Sex::Female, groups));
    EXPECT_TRUE(cancersFitSex(listOf({kCervix, kBreast}), Sex::Female, groups));
}

// One check of a graph's choices for the wizard's pages and the command line alike.
TEST_F(GraphWizardRulesTest, SettingsAreCheckedByKindWithTheWizardsMessages) {
    const auto settings = [](GraphKind kind, RateKind rate, int from, int to, int cancer, Sex sex) {
        GraphSettings s;
        s.kind = kind;
        s.barChartType = BarChartType::Cancer;
        s.rateKind = rate;
        s.ageFrom = from;
        s.ageTo = to;
        s.cancer = cancer;
        s.sex = sex;
        return s;
    };
    const struct {
        const char* what;
        GraphSettings settings;
        std::optional<std::string> problem;
    } cases[] = {
        {"bars pass",
         settings(GraphKind::BarChart, RateKind::AsrWorld, 0, 17, kProstate, Sex::Male),
         std::nullopt},
        {"bars backwards",
         settings(GraphKind::BarChart, RateKind::AsrWorld, 9, 3, kStomach, Sex::Male),
         "Invalid age range"},
        {"cumulative to the open top",
         settings(GraphKind::BarChart, RateKind::CumulativeRisk, 0, 17, kStomach, Sex::Male),
         "Age range is invalid for cumulative rate/risk"},
        {"prostate of women",
         settings(GraphKind::BarChart, RateKind::CrudeRate, 0, 17, kProstate, Sex::Female),
         "Invalid sex/site combination"},
        {"a group of male organs for women",
         settings(GraphKind::BarChart, RateKind::CrudeRate, 0, 17, kFirstCancerGroup, Sex::Female),
         "Invalid sex/site combination"},
        {"no cancer chosen yet",
         settings(GraphKind::BarChart, RateKind::CrudeRate, 0, 17, -1, Sex::Female), std::nullopt},
        {"pie backwards",
         settings(GraphKind::PieChart, RateKind::CumulativeRate, 5, 4, -1, Sex::Male),
         "Invalid age range"},
        {"pie to the open top",
         settings(GraphKind::PieChart, RateKind::CumulativeRate, 0, 17, -1, Sex::Male),
         std::nullopt},
        {"curves choose their sexes",
         settings(GraphKind::AgeSpecific, RateKind::CrudeRate, 9, 3, kProstate, Sex::Female),
         std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(validateGraphSettings(c.settings, groups), c.problem) << c.what;
    }
    // A hand-edited template is refused as the wizard would refuse its choices.
    const IoResult refused = checkGraphTemplateSettings("old.GPH", cases[2].settings, groups);
    EXPECT_FALSE(refused.ok());
    EXPECT_NE(refused.message.find("old.GPH"), std::string::npos) << refused.message;
    EXPECT_NE(refused.message.find("Age range is invalid for cumulative rate/risk"),
              std::string::npos)
        << refused.message;
    EXPECT_TRUE(checkGraphTemplateSettings("new.GPH", cases[0].settings, groups).ok());
    GraphSettings registryChart = cases[3].settings;
    registryChart.barChartType = BarChartType::Registry;
    EXPECT_EQ(validateGraphSettings(registryChart, groups), std::nullopt);
}

TEST(GraphWizardRules, SexBasisAndPopulationRange) {
    EXPECT_EQ(ageSpecificSex(true, true), Sex::Both);
    EXPECT_EQ(ageSpecificSex(true, false), Sex::Male);
    EXPECT_EQ(ageSpecificSex(false, true), Sex::Female);
    EXPECT_EQ(ageSpecificSex(false, false), Sex::Female);

    EXPECT_EQ(pyramidBasis(true, 3), 0);
    EXPECT_EQ(pyramidBasis(false, 3), 1);
    EXPECT_EQ(pyramidBasis(true, kFirstRegistryGroup), 1);

    // A population whose top class is 75+ (group 15).
    EXPECT_FALSE(ageRangeFitsPopulation(16, RateKind::AsrWorld, 15));
    EXPECT_FALSE(ageRangeFitsPopulation(15, RateKind::CrudeRate, 15));
    EXPECT_TRUE(ageRangeFitsPopulation(14, RateKind::AsrWorld, 15));
    EXPECT_TRUE(ageRangeFitsPopulation(17, RateKind::AsrWorld, 15));
    EXPECT_TRUE(ageRangeFitsPopulation(16, RateKind::NumberOfCases, 15));
}

} // namespace
} // namespace orvelan
