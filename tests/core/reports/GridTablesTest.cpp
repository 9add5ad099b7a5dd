#include "FixtureData.h"
#include "KnownCodes.h"
#include "TempDir.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/reports/CAgeSpecificRatesTable.h"
#include "core/reports/CReportTable.h"
#include "core/reports/CSummaryRatesTable.h"
#include "core/reports/ReportBlock.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvelan::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

const std::string kAlgiers = " Algeria, Algiers (1993-1997)";
const std::string kLaReunion = " France, La Reunion (1993-1997)";

CasesFixture casesAt(std::initializer_list<std::pair<int, double>> entries, float mv) {
    return {FixtureData::seriesAt(entries), mv};
}

/// Male stomach cases: population 0 has 8 at 50-54 and 2 of unknown age (80% verified),
/// population 1 has 5 at 60-64 (verification not available). Person-years 100,000 a group to
/// 85+ for population 0, 50,000 a group to 70+ for population 1, both sexes.
class GridTables : public ::testing::Test {
  protected:
    void SetUp() override {
        FixtureData data;
        for (int sex = 0; sex < 2; ++sex) {
            PopulationFixture algiers;
            algiers.personYears = FixtureData::flatPersonYears(100000, 17);
            data.setPopulation(0, sex, algiers);
            PopulationFixture reunion;
            reunion.personYears = FixtureData::flatPersonYears(50000, 14);
            data.setPopulation(1, sex, reunion);
        }
        data.setCases(0, 0, kStomach, casesAt({{10, 8}, {18, 2}}, 80.0f));
        data.setCases(1, 0, kStomach, casesAt({{12, 5}}, -1.0f));
        data.write(m_dir.str());
        ASSERT_TRUE(m_store.open(m_dir.str()));
    }

    /// The table of the settings, built over the fixture's registries and cancers.
    template <typename Table, typename Settings> Table built(const Settings& settings) {
        Table table(settings);
        table.build(m_store, m_registries, m_cancers);
        return table;
    }

    test::TempDir m_dir;
    CIncidenceStore m_store;
    SelectionList m_registries = test::selectSlots({kAlgiersRow, kLaReunionRow});
    SelectionList m_cancers = test::selectSlots({kStomach, kVulva, kProstate});
};

TEST_F(GridTables, SummaryRatesOfOneCancerAcrossRegistries) {
    SummaryRatesSettings s;
    s.fixedCancer = kStomach;
    const auto table = built<CSummaryRatesTable>(s);
    const Rows expected = {
        {"Stomach-Male (All ages)", "Crude rate", "ASR (World)", "ASR (European)",
         "Cumulative rate", "Cumulative risk", "Number of cases"},
        // unknown ages: counted in crude rate and cases, spread by 10 / 8 in the ASRs
        {kAlgiers, "     0.56", "     0.50", "     0.70", "N.A.", "N.A.", "       10"},
        // to 70+: cases and weights of the open top class, 0.04 for 70+ (World)
        {kLaReunion, "     0.67", "     0.40", "     0.50", "N.A.", "N.A.", "        5"},
    };
    EXPECT_EQ(table.grid().rows(), expected);
    EXPECT_EQ(table.rowItems(), (std::vector<int>{0, 1}));
    EXPECT_EQ(
        table.grid().sortEntries(),
        (std::vector<std::string>{"Registry name", "Crude rate", "ASR (World)", "ASR (European)",
                                  "Cumulative rate", "Cumulative risk", "Number of cases"}));
}

TEST_F(GridTables, SummaryRatesWithIntervalsAndClosedRanges) {
    SummaryRatesSettings s;
    s.fixedCancer = kStomach;
    s.confidenceInterval = true;
    const auto all = built<CSummaryRatesTable>(s);
    EXPECT_EQ(all.grid().text(1, 1), "     0.56 (0.21 to 0.90)");
    EXPECT_EQ(all.grid().text(1, 2), "     0.50 (0.15 to 0.85)");
    EXPECT_EQ(all.grid().text(1, 6), "       10");

    s.confidenceInterval = false;
    s.ageTo = 14;
    const auto to74 = built<CSummaryRatesTable>(s);
    EXPECT_EQ(to74.title(), "Stomach-Male (age  0-74)");
    EXPECT_EQ(to74.grid().text(1, 4), "     0.05");
    EXPECT_EQ(to74.grid().text(1, 6), "        8") << "unknown ages only count over all ages";
    // 70-74 is the open top class of population 1: no closed range can end there
    for (int c = 1; c <= 5; ++c) {
        EXPECT_EQ(to74.grid().text(2, c), "N.A.") << "column " << c;
    }
}

TEST_F(GridTables, SummaryTitles) {
    struct Case {
        bool rowsAreRegistries;
        int sex, from, to, cancer;
        std::string title;
    };
    const Case cases[] = {
        {true, 0, 0, 17, kStomach, "Stomach-Male (All ages)"},
        {true, 1, 17, 17, kStomach, "Stomach-Female (age 85+)"},
        {true, 0, 0, 2, kStomach, "Stomach-Boys (age  0-14)"},
        {true, 1, 3, 3, kStomach, "Stomach-Girls (age 15-19)"},
        {true, 1, 4, 17, kStomach, "Stomach-Female (age 20-85+)"},
        {true, 1, 0, 17, kVulva, "Vulva (All ages)"},
        {false, 1, 0, 17, kVulva, kAlgiers + "-Female (All ages)"},
    };
    for (const Case& c : cases) {
        SummaryRatesSettings s;
        s.rowsAreRegistries = c.rowsAreRegistries;
        s.sex = *sexFromIndex(c.sex);
        s.ageFrom = c.from;
        s.ageTo = c.to;
        s.fixedCancer = c.cancer;
        s.fixedRegistry = 0;
        const auto table = built<CSummaryRatesTable>(s);
        EXPECT_EQ(table.title(), c.title);
        EXPECT_EQ(table.grid().text(0, 0), c.title);
    }
}

TEST_F(GridTables, RowsOfCancersLeaveOutSitesOfTheOtherSex) {
    struct Case {
        int sex;
        std::vector<int> items;
    };
    for (const Case& c : {Case{0, {kStomach, kProstate}}, Case{1, {kStomach, kVulva}}}) {
        SummaryRatesSettings s;
        s.rowsAreRegistries = false;
        s.sex = *sexFromIndex(c.sex);
        const auto summary = built<CSummaryRatesTable>(s);
        EXPECT_EQ(summary.rowItems(), c.items);
        EXPECT_EQ(summary.grid().sortEntries().front(), "Cancer label");

        AgeSpecificRatesSettings a;
        a.rowsAreRegistries = false;
        a.sex = *sexFromIndex(c.sex);
        const auto ageSpecific = built<CAgeSpecificRatesTable>(a);
        EXPECT_EQ(ageSpecific.rowItems(), c.items);
    }
}

/// The 22 texts of an age-specific row: label, 18 groups, unknown age, all ages, MV(%).
std::vector<std::string> ageRow(const std::string& label, const std::string& blank,
                                std::initializer_list<std::pair<int, std::string>> groups,
                                const std::string& unknown, const std::string& all,
                                const std::string& mv) {
    std::vector<std::string> row{label};
    row.resize(19, blank);
    for (const auto& [group, text] : groups) {
        row[static_cast<std::size_t>(group + 1)] = text;
    }
    row.insert(row.end(), {unknown, all, mv});
    return row;
}

TEST_F(GridTables, AgeSpecificRatesAndNumbers) {
    AgeSpecificRatesSettings s;
    s.fixedCancer = kStomach;
    const auto rates = built<CAgeSpecificRatesTable>(s);
    const auto& g = rates.grid();
    ASSERT_EQ(g.rowCount(), 3);
    ASSERT_EQ(g.columnCount(), 22);
    EXPECT_EQ(g.rows()[0],
              (std::vector<std::string>{"Stomach-Male", " 0-", " 5-",      "10-",  "15-", "20-",
                                        "25-",          "30-", "35-",      "40-",  "45-", "50-",
                                        "55-",          "60-", "65-",      "70-",  "75-", "80-",
                                        "85+",          "Unk", "All ages", "MV(%)"}));
    EXPECT_EQ(g.rows()[1], ageRow(" Algeria, Algiers", "     -  ", {{10, "    8.00"}}, "        2",
                                  "     0.56", "       80"));
    EXPECT_EQ(g.rows()[2], ageRow(" France, La Reunion", "     -  ", {{12, "   10.00"}},
                                  "        -", "     0.67", "N.A."));

    s.showRates = false;
    const auto numbers = built<CAgeSpecificRatesTable>(s);
    EXPECT_EQ(numbers.grid().rows()[1],
              ageRow(" Algeria, Algiers", "        -", {{10, "        8"}}, "        2",
                     "       10", "       80"));
    EXPECT_EQ(numbers.grid().sortEntries().back(), "MV(%)");
    EXPECT_EQ(numbers.grid().sortEntries().size(), 22u);
}

TEST_F(GridTables, AgeSpecificTitles) {
    AgeSpecificRatesSettings s;
    s.sex = Sex::Female;
    s.fixedCancer = kVulva;
    const auto singleSex = built<CAgeSpecificRatesTable>(s);
    EXPECT_EQ(singleSex.title(), "Vulva");

    s.rowsAreRegistries = false;
    s.fixedRegistry = 1;
    const auto byCancer = built<CAgeSpecificRatesTable>(s);
    EXPECT_EQ(byCancer.title(), " France, La Reunion-Female");
}

TEST_F(GridTables, ReportBothArrangementsAndSwap) {
    ReportSettings s;
    s.rateKind = RateKind::CrudeRate;
    auto report = built<CReportTable>(s);
    EXPECT_EQ(report.cancerSexes(), (std::vector<int>{340, 341, 1171, 1530}));
    const Rows byCancer = {
        {"Crude rate (All ages)", kAlgiers, kLaReunion}, {"Stomach-Male", "     0.56", "     0.67"},
        {"Stomach-Female", "     0.00", "     0.00"},    {"Vulva", "     0.00", "     0.00"},
        {"Prostate", "     0.00", "     0.00"},
    };
    EXPECT_EQ(report.grid().rows(), byCancer);
    EXPECT_EQ(report.grid().sortEntries().front(), "Cancer label");

    report.swap(m_store);
    const Rows byRegistry = {
        {"Crude rate (All ages)", "Stomach-Male", "Stomach-Female", "Vulva", "Prostate"},
        {kAlgiers, "     0.56", "     0.00", "     0.00", "     0.00"},
        {kLaReunion, "     0.67", "     0.00", "     0.00", "     0.00"},
    };
    EXPECT_EQ(report.grid().rows(), byRegistry);
    EXPECT_EQ(report.grid().sortEntries().front(), "Registry name");
    report.swap(m_store);
    EXPECT_EQ(report.grid().rows(), byCancer);
}

TEST_F(GridTables, ReportCellsFollowTheRateKind) {
    struct Case {
        RateKind kind;
        bool interval;
        bool males, females;
        std::string title, cell;
    };
    const Case cases[] = {
        {RateKind::CrudeRate, true, true, false, "Crude rate (All ages)", "     0.56 [0.21,0.90]"},
        {RateKind::AsrWorld, false, true, false, "ASR (World) (All ages)", "     0.50"},
        {RateKind::AsrEuropean, false, true, true, "ASR (European) (All ages)", "     0.70"},
        {RateKind::NumberOfCases, true, true, false, "Number of cases (All ages)", "       10"},
        {RateKind::CumulativeRisk, false, true, false, "Cumulative risk (All ages)", "N.A."},
    };
    for (const Case& c : cases) {
        ReportSettings s;
        s.rateKind = c.kind;
        s.confidenceInterval = c.interval;
        s.males = c.males;
        s.females = c.females;
        CReportTable report(s);
        report.build(m_store, m_registries, test::selectSlots({kStomach}));
        EXPECT_EQ(report.grid().text(1, 1), c.cell) << c.title;
        EXPECT_EQ(report.grid().rowCount(), c.females ? 3 : 2);
        EXPECT_EQ(report.title(), c.title);
    }
}

TEST_F(GridTables, UserGroupsAsRowsColumnsAndFixedItems) {
    CUserGroupDictionary cancerGroups(GroupKind::Cancer);
    CUserGroupDictionary registryGroups(GroupKind::Registry);
    EXPECT_TRUE(cancerGroups.load(m_dir.file("ICDuser.dic")).ok());
    EXPECT_TRUE(registryGroups.load(m_dir.file("POPuser.dic")).ok());
    ASSERT_TRUE(registryGroups.append("Both towns", {0, 1}));
    ASSERT_TRUE(cancerGroups.append("Stomach and vulva", {kStomach, kVulva}));
    ASSERT_TRUE(cancerGroups.append("Vulva alone", {kVulva}));
    m_store.setUserGroups(&cancerGroups, &registryGroups);

    SummaryRatesSettings s;
    s.fixedCancer = kStomach;
    CSummaryRatesTable summary(s);
    summary.build(m_store, test::selectSlots({kAlgiersRow, 272}), m_cancers);
    EXPECT_EQ(summary.rowItems(), (std::vector<int>{0, 272}));
    EXPECT_EQ(summary.grid().text(2, 0), "Both towns");
    // 8 + 2 unknown + 5 cases over 1,800,000 + 750,000 person-years
    EXPECT_EQ(summary.grid().text(2, 1), "     0.59");
    EXPECT_EQ(summary.grid().text(2, 6), "       15");

    ReportSettings r;
    r.rateKind = RateKind::NumberOfCases;
    CReportTable report(r);
    report.build(m_store, test::selectSlots({272}), test::selectSlots({252, 253}));
    EXPECT_EQ(report.cancerSexes(), (std::vector<int>{2520, 2521, 2531}));
    const Rows expected = {
        {"Number of cases (All ages)", "Both towns"},
        {"Stomach and vulva-Male", "       15"},
        {"Stomach and vulva-Female", "        0"},
        {"Vulva alone", "        0"},
    };
    EXPECT_EQ(report.grid().rows(), expected);

    AgeSpecificRatesSettings a;
    a.fixedCancer = 253;
    a.sex = Sex::Female;
    CAgeSpecificRatesTable ageSpecific(a);
    ageSpecific.build(m_store, test::selectSlots({272}), m_cancers);
    EXPECT_EQ(ageSpecific.title(), "Vulva alone");
}

} // namespace
} // namespace orvelan::test
