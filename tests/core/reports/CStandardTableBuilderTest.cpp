#include "core/reports/CStandardTableBuilder.h"

#include "FixtureData.h"
#include "TempDir.h"
#include "TextLines.h"
#include "core/data/CIncidenceStore.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvelan::test {
namespace {

/// Compares line by line so that a failure names the first differing line.
void expectSameLines(const std::string& actual, const std::string& expected) {
    const auto a = linesOf(actual);
    const auto e = linesOf(expected);
    for (std::size_t i = 0; i < std::min(a.size(), e.size()); ++i) {
        EXPECT_EQ(a[i], e[i]) << "line " << i + 1;
    }
    EXPECT_EQ(a.size(), e.size());
    EXPECT_EQ(actual, expected);
}

CasesFixture casesAt(std::initializer_list<std::pair<int, double>> entries) {
    return {FixtureData::seriesAt(entries)};
}

void setPersonYears(FixtureData& data, int population, double perGroup, int last) {
    PopulationFixture record;
    record.personYears = FixtureData::flatPersonYears(perGroup, last);
    data.setPopulation(population, 0, record);
    data.setPopulation(population, 1, record);
}

/// Population 0 to 85+ with unknown ages; population 1 to 70+ with no male person-years at
/// 15-19 and cases above its top; population 2 to 75+.
class StandardTable : public ::testing::Test {
  protected:
    void SetUp() override {
        FixtureData data;
        setPersonYears(data, 0, 100000, 17);
        data.setCases(0, 0, 0, casesAt({{10, 20}, {14, 10}, {18, 10}}));
        data.setCases(0, 0, 1, casesAt({{10, 20}, {14, 10}, {18, 10}}));
        data.setCases(0, 0, 34, casesAt({{10, 8}, {18, 2}})); // stomach
        data.setCases(0, 0, 153, casesAt({{14, 10}}));        // prostate
        data.setCases(0, 0, 113, casesAt({{10, 5}}));         // peritoneum: no row of its own
        data.setCases(0, 1, 0, casesAt({{5, 4}, {12, 16}}));
        data.setCases(0, 1, 1, casesAt({{5, 4}, {12, 14}}));
        data.setCases(0, 1, 108, casesAt({{12, 2}}));  // other skin
        data.setCases(0, 1, 115, casesAt({{12, 10}})); // breast
        data.setCases(0, 1, 117, casesAt({{12, 1}}));  // vulva

        setPersonYears(data, 1, 50000, 14);
        PopulationFixture male;
        male.personYears = FixtureData::flatPersonYears(50000, 14);
        male.personYears[3] = 0.0;
        data.setPopulation(1, 0, male);
        data.setCases(1, 0, 0, casesAt({{3, 2}, {12, 5}, {16, 3}}));
        data.setCases(1, 0, 1, casesAt({{3, 2}, {12, 5}, {16, 3}}));
        data.setCases(1, 0, 3, casesAt({{12, 1}})); // lip

        setPersonYears(data, 2, 100000, 15);
        data.setCases(2, 0, 0, casesAt({{13, 4}, {15, 5}, {17, 5}}));
        data.setCases(2, 0, 1, casesAt({{13, 4}, {15, 5}, {17, 5}}));
        data.write(m_dir.str());
        ASSERT_TRUE(m_store.open(m_dir.str()));
    }

    std::string build(int population, StandardLayout layout, Sex sex, const std::string& title) {
        CStandardTableBuilder builder(title, population, layout, sex);
        EXPECT_TRUE(builder.build(m_store));
        EXPECT_EQ(builder.text().size(),
                  builder.prnText().size() + linesOf(builder.prnText()).size())
            << "every shown line ends in \\r\\n";
        return builder.prnText();
    }

    test::TempDir m_dir;
    CIncidenceStore m_store;
};

const std::string kTitle = "Algeria, Algiers (1993-1997)";

TEST_F(StandardTable, SummaryLayoutCorrectsUnknownAgesAndDashesRowsOfTheOtherSex) {
    expectSameLines(build(0, StandardLayout::Summary, Sex::Male, kTitle),
                    R"(Algeria, Algiers (1993-1997)
                               Male                                    Female                                    
SITE                                          Crude  ASR    Cum. rates                Crude  ASR    Cum. rates
                               No.cases Freq.  rate world   0-64  0-74 No.cases Freq.  rate world   0-64  0-74
                                         (%) (per 100,000)  (percent)            (%) (per 100,000)  (percent) ICD-10
------------------------------------------------------------------------------------------------------------------------
Lip                                   0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C00
Tongue                                0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C01-02
Mouth                                 0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C03-06
Salivary glands                       0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C07-08
Tonsil                                0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C09
Other oropharynx                      0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C10
Nasopharynx                           0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C11
Hypopharynx                           0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C12-13
Pharynx unspecified                   0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C14
Oesophagus                            0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C15
Stomach                              10  25.0   0.6   0.5  0.05  0.05         0   0.0   0.0   0.0  0.00  0.00 C16
Small intestine                       0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C17
Colon                                 0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C18
Rectum                                0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C19-20
Anus                                  0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C21
Liver                                 0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C22
Gallbladder etc.                      0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C23-24
Pancreas                              0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C25
Nose, sinuses etc.                    0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C30-31
Larynx                                0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C32
Trachea, bronchus and lung            0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C33-34
Other thoracic organs                 0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C37-38
Bone                                  0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C40-41
Melanoma of skin                      0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C43
Other skin                            0         0.0   0.0  0.00  0.00         2         0.1   0.1  0.01  0.01 C44
Mesothelioma                          0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C45
Kaposi sarcoma                        0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C46
Connective and soft tissue            0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C47+C49
Breast                                0   0.0   0.0   0.0  0.00  0.00        10  55.6   0.6   0.4  0.05  0.05 C50
Vulva                                 -    -     -     -    -     -           1   5.6   0.1   0.0  0.01  0.01 C51
Vagina                                -    -     -     -    -     -           0   0.0   0.0   0.0  0.00  0.00 C52
Cervix uteri                          -    -     -     -    -     -           0   0.0   0.0   0.0  0.00  0.00 C53
Corpus uteri                          -    -     -     -    -     -           0   0.0   0.0   0.0  0.00  0.00 C54
Uterus unspecified                    -    -     -     -    -     -           0   0.0   0.0   0.0  0.00  0.00 C55
Ovary                                 -    -     -     -    -     -           0   0.0   0.0   0.0  0.00  0.00 C56
Other female genital organs           -    -     -     -    -     -           0   0.0   0.0   0.0  0.00  0.00 C57
Placenta                              -    -     -     -    -     -           0   0.0   0.0   0.0  0.00  0.00 C58
Penis                                 0   0.0   0.0   0.0  0.00  0.00         -    -     -     -    -     -   C60
Prostate                             10  25.0   0.6   0.2  0.00  0.05         -    -     -     -    -     -   C61
Testis                                0   0.0   0.0   0.0  0.00  0.00         -    -     -     -    -     -   C62
Other male genital organs             0   0.0   0.0   0.0  0.00  0.00         -    -     -     -    -     -   C63
Kidney                                0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C64
Renal pelvis                          0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C65
Ureter                                0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C66
Bladder                               0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C67
Other urinary organs                  0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C68
Eye                                   0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C69
Brain, nervous system                 0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C70-72
Thyroid                               0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C73
Adrenal gland                         0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C74
Other endocrine                       0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C75
Hodgkin disease                       0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C81
Non-Hodgkin lymphoma                  0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C82-85,C96
Immunoproliferative diseases          0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C88
Multiple myeloma                      0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C90
Lymphoid leukaemia                    0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C91
Myeloid leukaemia                     0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C92-94
Leukaemia unspecified                 0   0.0   0.0   0.0  0.00  0.00         0   0.0   0.0   0.0  0.00  0.00 C95
Other and unspecified                20  50.0   1.1   1.0  0.10  0.10         7  38.9   0.4   0.4  0.04  0.04 O&U
All sites                            40         2.2   1.6  0.13  0.20        20         1.1   1.0  0.10  0.10 ALL
All sites but C44                    40 100.0   2.2   1.6  0.13  0.20        18 100.0   1.0   0.9  0.09  0.09 ALLbC44
)");
}

TEST_F(StandardTable, LinesOfEachLayout) {
    struct Case {
        int population;
        StandardLayout layout;
        int sex;
        std::size_t lineCount;
        std::size_t line;
        std::string text;
    };
    const Case
        cases[] =
            {
                // female table: female-only rows present, male-only rows left out
                {0, StandardLayout::AgeSpecific, 1, 60, 0,
                 R"(Algeria, Algiers (1993-1997)     Annual incidence per 100,000 by age group - Female)"},
                {0, StandardLayout::AgeSpecific, 1, 60, 27,
                 R"(Other skin                           2    0     -      -      -      -      -      -      -      -      -      -      -      -     2.0     -      -      -      -      -    0.1        0.01  0.01   0.1  C44       )"},
                {0, StandardLayout::AgeSpecific, 1, 60, 31,
                 R"(Breast                              10    0     -      -      -      -      -      -      -      -      -      -      -      -    10.0     -      -      -      -      -    0.6  55.6  0.05  0.05   0.4  C50       )"},
                {0, StandardLayout::AgeSpecific, 1, 60, 32,
                 R"(Vulva                                1    0     -      -      -      -      -      -      -      -      -      -      -      -     1.0     -      -      -      -      -    0.1   5.6  0.01  0.01   0.0  C51       )"},
                {0, StandardLayout::AgeSpecific, 1, 60, 57,
                 R"(Other and unspecified                7    0     -      -      -      -      -     4.0     -      -      -      -      -      -     3.0     -      -      -      -      -    0.4  38.9  0.04  0.04   0.4  O&U       )"},
                // male table: unknown ages in "Unk", ASR and cumulative rates raised by T / (T - U)
                {0, StandardLayout::AgeSpecific, 0, 56, 13,
                 R"(Stomach                             10    2     -      -      -      -      -      -      -      -      -      -     8.0     -      -      -      -      -      -      -    0.6  25.0  0.05  0.05   0.5  C16       )"},
                {0, StandardLayout::AgeSpecific, 0, 56, 33,
                 R"(Prostate                            10    0     -      -      -      -      -      -      -      -      -      -      -      -      -      -    10.0     -      -      -    0.6  25.0  0.00  0.05   0.2  C61       )"},
                // a population to 75+: both cumulative rates computed, cases above the top folded
                {2, StandardLayout::AgeSpecific, 0, 56, 2,
                 R"(SITE                          All ages  Unk    0-     5-    10-    15-    20-    25-    30-    35-    40-    45-    50-    55-    60-    65-    70-    75+  Crude Freq. Cum64 Cum74 ASR(W) ICD-10)"},
                {2, StandardLayout::AgeSpecific, 0, 56, 54,
                 R"(All sites                           14    0     -      -      -      -      -      -      -      -      -      -      -      -      -     4.0     -    10.0   0.9        0.00  0.02   0.3  ALL       )"},
                // a population to 70+ without male person-years at 15-19: dashes, no cumulative
                // 0-74
                {1, StandardLayout::AgeSpecific, 0, 56, 2,
                 R"(SITE                          All ages  Unk    0-     5-    10-    15-    20-    25-    30-    35-    40-    45-    50-    55-    60-    65-    70+  Crude Freq. Cum64 Cum74 ASR(W) ICD-10)"},
                {1, StandardLayout::AgeSpecific, 0, 56, 3,
                 R"(Lip                                  1    0     -      -      -      -      -      -      -      -      -      -      -      -     2.0     -      -    0.1  10.0  0.01   -     0.1  C00       )"},
                {1, StandardLayout::AgeSpecific, 0, 56, 27,
                 R"(Other skin                           0    0     -      -      -      -      -      -      -      -      -      -      -      -      -      -      -    0.0        0.00   -     0.0  C44       )"},
                {1, StandardLayout::AgeSpecific, 0, 56, 53, R"(Other and unspecified                9    0     -      -      -      -      -      -      -      -      -      -      -      -     8.0     -     6.0   1.3  90.0  0.04   -     0.6  O&U       )"},
                // no cases other than skin: the relative frequency is a dash, not a division by
                // zero
                {1, StandardLayout::Summary, 0, 67, 6,
                 R"(Lip                                   1  10.0   0.1   0.1  0.01   -           0     -   0.0   0.0  0.00   -   C00)"},
                {1, StandardLayout::Summary, 0, 67, 66,
                 R"(All sites but C44                    10 100.0   1.4   0.6  0.05   -           0     -   0.0   0.0  0.00   -   ALLbC44)"},
            };
    for (const Case& c : cases) {
        const auto actual = linesOf(build(c.population, c.layout, *sexFromIndex(c.sex), kTitle));
        ASSERT_EQ(actual.size(), c.lineCount) << "population " << c.population;
        EXPECT_EQ(actual[c.line], c.text) << "population " << c.population << " line " << c.line;
    }
}

TEST_F(StandardTable, FiguresOfOtherAndUnspecifiedComeBySubtraction) {
    const auto figures = CStandardTableBuilder::compute(m_store, 0);
    ASSERT_TRUE(figures.has_value());
    EXPECT_EQ(figures->lastAgeGroup, 17);
    // all sites 40 (10 unknown) minus stomach 10 (2 unknown) and prostate 10; the peritoneum's
    // 5 cases stay inside the remainder
    EXPECT_DOUBLE_EQ(figures->cases[0][58][kAllAgesEntry], 20.0);
    EXPECT_DOUBLE_EQ(figures->cases[0][58][kUnknownAgeGroup], 8.0);
    EXPECT_DOUBLE_EQ(*figures->frequency(Sex::Male, 60), 100.0);
}

TEST_F(StandardTable, SavedOnlyAsPrnWithNewlineLineEnds) {
    CStandardTableBuilder builder(kTitle, 0, StandardLayout::AgeSpecific, Sex::Female);
    ASSERT_TRUE(builder.build(m_store));
    EXPECT_TRUE(builder.savePrn(m_dir.file("table.PRN")).ok());
    EXPECT_EQ(m_dir.read("table.PRN"), builder.prnText());
    EXPECT_EQ(builder.prnText().find('\r'), std::string::npos);
    const SaveResult refused = builder.savePrn(m_dir.file("table.txt"));
    EXPECT_EQ(refused.status, SaveStatus::UnsupportedFormat);
    EXPECT_EQ(refused.message, "File format not supported...");
    EXPECT_EQ(m_dir.read("table.txt"), "");
}

TEST_F(StandardTable, UnknownPopulationFailsWithoutText) {
    CStandardTableBuilder builder("x", 400, StandardLayout::Summary);
    EXPECT_FALSE(builder.build(m_store));
    EXPECT_TRUE(builder.text().empty());
}

} // namespace
} // namespace orvelan::test
