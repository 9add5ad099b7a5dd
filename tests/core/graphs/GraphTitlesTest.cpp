#include "core/graphs/GraphTitles.h"

#include <gtest/gtest.h>

namespace orvelan {
namespace {

constexpr Sex kMale = Sex::Male;
constexpr Sex kFemale = Sex::Female;

struct BarTitleCase {
    const char* name;
    RateKind rateKind;
    Sex sex;
    int from;
    int to;
    bool withSex;
    const char* expected;
};

TEST(GraphTitles, BarChartTitleJoinsSubjectRateSexAndAgePart) {
    const BarTitleCase cases[] = {
        {"asr with a closed range", RateKind::AsrWorld, kMale, 7, 12, true,
         "Stomach: ASR (World) (per 100,000)-Male age (35-64)"},
        {"crude rate over all ages", RateKind::CrudeRate, kFemale, 0, 17, true,
         "Stomach: Crude rate (per 100,000)-Female (All ages)"},
        {"cumulative figures are percent", RateKind::CumulativeRate, kMale, 0, 14, true,
         "Stomach: Cumulative rate (percent)-Male age ( 0-74)"},
        {"cumulative risk", RateKind::CumulativeRisk, kFemale, 0, 14, true,
         "Stomach: Cumulative risk (percent)-Female age ( 0-74)"},
        {"number of cases has no rate part", RateKind::NumberOfCases, kMale, 17, 17, true,
         "Stomach-Male age (85+)"},
        {"children below 20 are boys", RateKind::AsrEuropean, kMale, 0, 3, true,
         "Stomach: ASR (European) (per 100,000)-Boys age ( 0-19)"},
        {"and girls", RateKind::AsrWorld, kFemale, 1, 2, true,
         "Stomach: ASR (World) (per 100,000)-Girls age ( 5-14)"},
        {"20-24 is adult again", RateKind::AsrWorld, kFemale, 0, 4, true,
         "Stomach: ASR (World) (per 100,000)-Female age ( 0-24)"},
        {"sex-specific cancer names no sex", RateKind::AsrWorld, kMale, 0, 17, false,
         "Stomach: ASR (World) (per 100,000) (All ages)"},
        {"a stored kind outside 0-5 has no rate part", static_cast<RateKind>(9), kMale, 0, 17, true,
         "Stomach-Male (All ages)"},
    };
    for (const BarTitleCase& c : cases) {
        EXPECT_EQ(barChartTitle("Stomach", c.rateKind, c.sex, c.from, c.to, c.withSex), c.expected)
            << c.name;
    }
}

TEST(GraphTitles, PieTitleIsPopulationSexAndAgePart) {
    EXPECT_EQ(pieChartTitle("Mali, Bamako (1987-1993)", kFemale, 0, 17),
              "Mali, Bamako (1987-1993)-Female (All ages)");
    EXPECT_EQ(pieChartTitle("Nordic", kMale, 0, 2), "Nordic-Boys age ( 0-14)");
    EXPECT_EQ(pieChartTitle("Nordic", kMale, 17, 17), "Nordic-Male age (85+)");
}

struct AgeTitleCase {
    const char* name;
    std::optional<std::string> registry;
    std::optional<std::string> cancer;
    Sex sex;
    bool bothSexCancer;
    const char* expected;
};

TEST(GraphTitles, AgeSpecificTitleNamesWhatIsSingle) {
    const AgeTitleCase cases[] = {
        {"registry, cancer and sex", "Bamako", "Stomach", kMale, true, "Bamako, Stomach - Male"},
        {"both sexes name no sex", "Bamako", "Stomach", Sex::Both, true, "Bamako, Stomach"},
        {"only a registry", "Bamako", std::nullopt, kFemale, true, "Bamako - Female"},
        {"only a cancer", std::nullopt, "Stomach", kFemale, true, "Stomach - Female"},
        {"sex-specific cancers name no sex", "Bamako", "Prostate", kMale, false,
         "Bamako, Prostate"},
        {"several of each give only the sex", std::nullopt, std::nullopt, kMale, true, "Male"},
        {"and nothing without a both-sex cancer", std::nullopt, std::nullopt, kMale, false, ""},
    };
    for (const AgeTitleCase& c : cases) {
        EXPECT_EQ(ageSpecificTitle(c.registry, c.cancer, c.sex, c.bothSexCancer), c.expected)
            << c.name;
    }
}

TEST(GraphTitles, BarHeadingHasRateLineSexAgeLineAndChosenName) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(barChartHeading(BarChartType::Cancer, RateKind::AsrWorld, kMale, 0, 17, ""),
              (Lines{"Cancer bar chart, ASR (World).", "Male (All ages)"}));
    EXPECT_EQ(
        barChartHeading(BarChartType::Registry, RateKind::NumberOfCases, kFemale, 17, 17, "Bamako"),
        (Lines{"Registry bar chart, Number of cases.", "Female (age 85+)", "Bamako"}));
    EXPECT_EQ(
        barChartHeading(BarChartType::Cancer, RateKind::CumulativeRate, kMale, 7, 12, "Stomach"),
        (Lines{"Cancer bar chart, Cumulative rate.", "Male (age 35-64)", "Stomach"}));
}

} // namespace
} // namespace orvelan
