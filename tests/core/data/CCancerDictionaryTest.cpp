#include "core/data/CCancerDictionary.h"

#include "core/data/Codes.h"

#include <array>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace orvelan {
namespace {

using Cancers = CCancerDictionary;

TEST(CancerDictionary, HasTheShippedCountsByLevel) {
    std::array<int, 4> byLevel{};
    for (int c = 0; c < kCancerCount; ++c) {
        const int level = Cancers::level(c);
        ASSERT_GE(level, 0) << "cancer " << c;
        ASSERT_LE(level, 3) << "cancer " << c;
        ++byLevel[static_cast<std::size_t>(level)];
    }
    EXPECT_EQ(byLevel, (std::array<int, 4>{15, 75, 147, 15}));
    int morphology = 0;
    for (int c = 0; c < kCancerCount; ++c) {
        morphology += Cancers::isMorphology(c) ? 1 : 0;
    }
    EXPECT_EQ(morphology, 112);
}

TEST(CancerDictionary, KeepsRowsAndCodesByteExact) {
    EXPECT_EQ(Cancers::row(0), "119990 All sites");
    EXPECT_EQ(Cancers::codeRow(0), "0C00-97 ");
    EXPECT_EQ(Cancers::code(0), "C00-97 ");
    EXPECT_EQ(Cancers::codeRow(1), "0C00-97 but C44");
    EXPECT_EQ(Cancers::codeRow(25), "1 ");
    EXPECT_EQ(Cancers::code(25), " ");
    EXPECT_EQ(Cancers::codeRow(191), "19470-9472 and 9364,9473 (C71.6-7)");
    EXPECT_EQ(Cancers::row(251), "119990 Other and unspecified");
    EXPECT_EQ(Cancers::codeRow(251), "0C80,C97");
    EXPECT_EQ(Cancers::name(34), "Stomach");
    EXPECT_EQ(Cancers::parent(5), 4);
    EXPECT_EQ(Cancers::parent(4), Cancers::kNoParent);
    EXPECT_TRUE(Cancers::row(kCancerCount).empty());
    EXPECT_TRUE(Cancers::codeRow(-1).empty());
    EXPECT_EQ(Cancers::level(kCancerCount), -1);
}

TEST(CancerDictionary, GivesMorphologyRowsTheCodeOfTheirSite) {
    const std::map<int, std::string_view> expected = {
        {0, "C00-97 "},  {3, "C00"},     {23, "C15"},  {25, "C15"},  {30, "C15.0,3"},
        {93, "C40-41"},  {120, "C53"},   {122, "C53"}, {146, "C56"}, {155, "C62"},
        {202, "C70-72"}, {237, "C91.0"}, {219, "C73"},
    };
    for (const auto& [cancer, code] : expected) {
        EXPECT_EQ(Cancers::icd10Code(cancer), code) << "cancer " << cancer;
    }
    EXPECT_TRUE(Cancers::icd10Code(kCancerCount).empty());
}

TEST(CancerDictionary, AppliesToTheSexesOfItsPrefix) {
    for (int c = 0; c < kCancerCount; ++c) {
        const bool femaleGenital = c >= 116 && c <= 150;
        const bool maleGenital = c >= 151 && c <= 161;
        EXPECT_EQ(Cancers::appliesToMales(c), !femaleGenital) << "cancer " << c;
        EXPECT_EQ(Cancers::appliesToFemales(c), !maleGenital) << "cancer " << c;
    }
}

TEST(CancerDictionary, LabelQualifiesTheParentName) {
    const std::map<int, std::string> expected = {
        {0, "All sites"},
        {5, "Tongue, base of"},
        {23, "Oesophagus, squamous cell carcinoma"},
        {206, "Spinal cord, cauda equina"},
        {226, "Non-Hodgkin lymphoma, other and unspecified"},
        {237, "Lymphoid leukaemia acute"},
        {247, "Leukaemia, cell unspecified acute"},
        {kCancerCount, ""},
    };
    for (const auto& [cancer, label] : expected) {
        EXPECT_EQ(Cancers::label(cancer), label) << "cancer " << cancer;
    }
}

// The cancers each standard row is built from, as the standard incidence table lists them.
std::map<int, int> expectedStandardRows() {
    const std::vector<std::vector<int>> cancersByRow = {
        {3},        {4},   {7},      {12},     {15},      {16},  {17},  {18, 19}, {20},
        {22},       {34},  {40},     {41},     {47, 48},  {49},  {58},  {68, 69}, {70},
        {73, 74},   {75},  {76, 77}, {87, 88}, {99, 100}, {102}, {108}, {110},    {111},
        {112, 114}, {115}, {117},    {118},    {119},     {127}, {134}, {135},    {147},
        {150},      {152}, {153},    {154},    {161},     {163}, {164}, {165},    {166},
        {175},      {177}, {186},    {210},    {220},     {221}, {227}, {223},    {233},
        {234},      {236}, {241},    {246},    {},        {0},   {1},
    };
    std::map<int, int> rowOfCancer;
    for (std::size_t r = 0; r < cancersByRow.size(); ++r) {
        for (const int cancer : cancersByRow[r]) {
            rowOfCancer[cancer] = static_cast<int>(r);
        }
    }
    return rowOfCancer;
}

TEST(StandardRow, MapsEveryCancerAsTheTableLists) {
    const std::map<int, int> expected = expectedStandardRows();
    ASSERT_EQ(expected.size(), 68U);
    for (int c = 0; c < kCancerCount; ++c) {
        const auto found = expected.find(c);
        EXPECT_EQ(Cancers::standardRow(c), found == expected.end() ? -1 : found->second)
            << "cancer " << c;
    }
    EXPECT_EQ(Cancers::standardRow(-1), -1);
    EXPECT_EQ(Cancers::standardRow(kCancerCount), -1);
}

TEST(StandardRow, AppliesToTheSexesOfTheCancersItCounts) {
    for (int c = 0; c < kCancerCount; ++c) {
        const int row = Cancers::standardRow(c);
        if (row >= 0) {
            EXPECT_EQ(Cancers::standardRowAppliesTo(row, Sex::Male), Cancers::appliesToMales(c))
                << c;
            EXPECT_EQ(Cancers::standardRowAppliesTo(row, Sex::Female), Cancers::appliesToFemales(c))
                << c;
        }
    }
}

TEST(StandardRow, SplitsTextIntoSexesSiteAndCode) {
    EXPECT_EQ(Cancers::standardRowText(29), "01 Vulva");
    EXPECT_EQ(Cancers::standardRowSite(29), "Vulva");
    EXPECT_TRUE(Cancers::standardRowAppliesTo(38, Sex::Both));
    EXPECT_EQ(Cancers::standardRowCode(1), "C01-02");
    EXPECT_EQ(Cancers::standardRowCode(27), "C47+C49");
    EXPECT_EQ(Cancers::standardRowSite(Cancers::kOtherAndUnspecifiedRow), "Other and unspecified");
    EXPECT_EQ(Cancers::standardRowCode(Cancers::kOtherAndUnspecifiedRow), "O&U");
    EXPECT_EQ(Cancers::standardRowCode(Cancers::kAllSitesButSkinRow), "ALLbC44");
    EXPECT_EQ(Cancers::standardRowSite(Cancers::kAllSitesButSkinRow), "All sites but C44");
    EXPECT_TRUE(Cancers::standardRowText(Cancers::kStandardRowCount).empty());
    EXPECT_FALSE(Cancers::standardRowAppliesTo(-1, Sex::Male));
}

} // namespace
} // namespace orvelan
