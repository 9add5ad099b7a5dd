#include "core/reports/ReportSummary.h"

#include "FixtureData.h"
#include "TempDir.h"
#include "TextLines.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CRegistryDictionary.h"
#include "core/data/CUserGroupDictionary.h"

#include <gtest/gtest.h>

namespace orvelan {
namespace {

using orvelan::test::groupLine;

class ReportSummary : public ::testing::Test {
  protected:
    void SetUp() override {
        test::FixtureData data;
        test::PopulationFixture population; // registered 1993-1997
        population.personYears = test::FixtureData::flatPersonYears(1000);
        data.setPopulation(12, 0, population);
        data.write(m_dir.str());
        m_dir.write("POPuser.dic", groupLine("Nordic", "012"));
        m_dir.write("ICDuser.dic", groupLine("Female sites", "117118"));
        EXPECT_TRUE(m_registryGroups.load(m_dir.file("POPuser.dic")).ok());
        EXPECT_TRUE(m_cancerGroups.load(m_dir.file("ICDuser.dic")).ok());
        ASSERT_TRUE(m_store.open(m_dir.str()));
        m_store.setUserGroups(&m_cancerGroups, &m_registryGroups);

        m_choices.registries = test::selectPopulations({12, 272});
        m_choices.cancers[5] = 5;
        m_choices.cancers[252] = 252;
    }

    test::TempDir m_dir;
    CUserGroupDictionary m_cancerGroups{GroupKind::Cancer};
    CUserGroupDictionary m_registryGroups{GroupKind::Registry};
    CIncidenceStore m_store;
    ReportChoices m_choices;
};

TEST_F(ReportSummary, ListsItemsSexesRateAndLayout) {
    struct Case {
        std::array<std::int32_t, 11> block; // kind, interval, arrangement, .., from, to, rate,
                                            // sexes, male, female
        std::string tail;
    };
    const std::string items = "\tPopulations:\r\n"
                              " Cuba, Villa Clara (1993-1997)\r\n"
                              "Nordic\r\n"
                              "\tCancers:\r\n"
                              "Tongue, base of\r\n"
                              "Female sites\r\n"
                              "\tSexes:\r\n";
    const std::vector<Case> cases = {
        {{2, 1, 1, 0, 0, 0, 17, 1, 2, 1, 1},
         "Male\r\nFemale\r\n\tRate:\r\nASR (World) (All ages) [95% CI]\r\n\tLayout:\r\n"
         "Rows arranged by Cancer/sex"},
        {{2, 0, 0, 0, 0, 0, 3, 0, 1, 0, 1},
         "Girls\r\n\tRate:\r\nCrude rate (age  0-19)\r\n\tLayout:\r\nRows arranged by Registry"},
        {{2, 0, 0, 0, 0, 4, 12, 3, 0, 1, 0},
         "Male\r\n\tRate:\r\nCumulative rate (age 20-64)\r\n\tLayout:\r\n"
         "Rows arranged by Registry"},
        {{2, 0, 1, 0, 0, 17, 17, 5, 2, 1, 1},
         "Male\r\nFemale\r\n\tRate:\r\nNumber of cases (age 85+)\r\n\tLayout:\r\n"
         "Rows arranged by Cancer/sex"},
    };
    for (const auto& c : cases) {
        m_choices.block = ReportBlock::fromArray(c.block);
        EXPECT_EQ(reportSummaryText(m_choices, m_store), items + c.tail);
    }
}

TEST_F(ReportSummary, ListsWhatTheReportRunsAndTellsTheGroupsLeftOut) {
    // A damaged template: the slot of Algiers names group 28, of which there is none.
    m_choices.registries[static_cast<std::size_t>(test::rowOf(0))] = 300;
    m_choices.block = ReportBlock::fromArray({2, 0, 1, 0, 0, 0, 17, 1, 2, 1, 1});
    const std::string text = reportSummaryText(m_choices, m_store);
    EXPECT_EQ(text.substr(0, text.find("\tCancers:")),
              "\tPopulations:\r\n"
              " Cuba, Villa Clara (1993-1997)\r\n"
              "Nordic\r\n"
              "Left out: 300 (no such registry group)\r\n");
}

} // namespace
} // namespace orvelan
