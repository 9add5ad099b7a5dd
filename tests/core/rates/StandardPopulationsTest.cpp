// Today's standard populations, a user's own standard file, and the tests and total of the
// several-curve comparison, against values worked out by hand or independently (mpmath).
#include "core/rates/StandardPopulations.h"

#include "OpenStore.h"
#include "core/rates/ConfidenceLimits.h"
#include "core/rates/RateIntervals.h"
#include "core/reports/CSummaryRatesTable.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numeric>

namespace orvelan {
namespace {

TEST(StandardPopulations, EveryTableHasEighteenWeightsSummingToOne) {
    for (const auto slot : {StandardSlot::World, StandardSlot::European}) {
        for (const StandardPopulation* standard : builtInStandards(slot)) {
            const double sum =
                std::accumulate(standard->weights.begin(), standard->weights.end(), 0.0);
            EXPECT_NEAR(sum, 1.0, 1e-12) << standard->id;
            EXPECT_EQ(findBuiltInStandard(slot, standard->id), standard);
        }
    }
    EXPECT_EQ(kEuropean2013Weights[0], 0.05);
    EXPECT_EQ(kEuropean2013Weights[17], 0.025); // 85+: 1500 + 800 + 200 per 100,000
    EXPECT_EQ(findBuiltInStandard(StandardSlot::World, "2013"), nullptr);

    StandardChoice choice;
    EXPECT_TRUE(choice.isDefault());
    EXPECT_EQ(choice.weightsFor(RateKind::AsrWorld), nullptr); // the engine's own table
    choice.european = european2013Standard();
    EXPECT_EQ(choice.weightsFor(RateKind::AsrEuropean), &choice.european.weights);
    EXPECT_EQ(choice.weightsFor(RateKind::CrudeRate), nullptr);
    EXPECT_EQ(rateKindHeading(RateKind::AsrWorld, choice), "ASR (World)");
    EXPECT_EQ(rateKindHeading(RateKind::AsrEuropean, choice), "ASR (European 2013)");
    choice.world = worldWho2000Standard();
    EXPECT_EQ(rateKindHeading(RateKind::AsrWorld, choice), "ASR (World, WHO 2000)");
}

class StandardFile : public ::testing::Test {
  protected:
    std::string write(const std::string& name, const std::string& text) {
        m_dir.write(name, text);
        return m_dir.file(name);
    }

    test::TempDir m_dir;
};

TEST_F(StandardFile, ReadsNameCommentsAndAnySeparator) {
    const std::string path = write("nat.std", "# our own\nname: National 2011\n"
                                              "1, 2, 3\t4 5\n6\n7 8 9 10 # mid\n"
                                              "11,12,13,14,15,16,17,18\n");
    StandardPopulation standard;
    ASSERT_TRUE(readStandardFile(path, standard));
    EXPECT_EQ(standard.title, "National 2011");
    EXPECT_EQ(standard.file, path);
    EXPECT_DOUBLE_EQ(standard.weights[0], 1.0 / 171);
    EXPECT_DOUBLE_EQ(standard.weights[17], 18.0 / 171);

    StandardPopulation unnamed;
    ASSERT_TRUE(readStandardFile(write("plain.STD", std::string(18 * 2, ' ') +
                                                        "\n"
                                                        "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n"),
                                 unnamed));
    EXPECT_EQ(unnamed.title, "plain");
    EXPECT_DOUBLE_EQ(unnamed.weights[5], 1.0 / 18);
    EXPECT_EQ(findStandardFiles(m_dir.str()).size(), 2U);
}

TEST_F(StandardFile, RefusesBadFilesNamingFileAndLine) {
    const std::string ones17 = "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1";
    struct Case {
        const char* name;
        std::string text;
        const char* reason;
    };
    const Case cases[] = {
        {"short", "name: x\n" + ones17 + "\n", "line 2: 17 weights where 18 are needed"},
        {"long", ones17 + "\n1\n1\n", "line 3: more than 18 weights"},
        {"negative", ones17 + "\n-1\n", "line 2: '-1' is negative"},
        {"infinite", ones17 + "\ninf\n", "line 2: 'inf' is not a finite number"},
        {"word", "1 2 x3\n", "line 1: 'x3' is not a number"},
        {"late name", ones17 + "\nname: late\n", "line 2: 'name:' is not a number"},
        {"zero", "0 0 0 0 0 0 0 0 0\n0 0 0 0 0 0 0 0 0\n", "line 2: the weights sum to 0"},
        {"empty", "", "line 1: 0 weights where 18 are needed"},
    };
    for (const Case& c : cases) {
        const std::string path = write(std::string(c.name) + ".std", c.text);
        StandardPopulation standard = worldSegiStandard();
        const IoResult result = readStandardFile(path, standard);
        EXPECT_FALSE(result) << c.name;
        EXPECT_EQ(result.message.rfind(
                      "File '" + path + "' is not a standard population: " + c.reason, 0),
                  0U)
            << result.message;
        EXPECT_EQ(standard, worldSegiStandard()) << c.name; // left as it was
    }
    StandardPopulation missing;
    EXPECT_NE(readStandardFile(m_dir.str() + "/none.std", missing).message.find("none.std"),
              std::string::npos);
}

// The series of the interval tests: 2, 1 and 3 cases in groups 10, 12 and 15 of 10,000
// person-years in every group, so the rates there are 20, 10 and 30 per 100,000.
class StandardsOnStore : public test::SmallCountsStore {
  protected:
    RateWithInterval asr(RateKind kind, const StandardChoice& standards, int from = 0,
                         int to = kTopAgeGroup, IntervalMethod method = IntervalMethod::Normal) {
        return computeRateWithInterval(m_store.series(), kind, from, to, {method, 95}, standards);
    }
};

TEST_F(StandardsOnStore, AsrsAgainstEachStandardMatchHandWorkedValues) {
    StandardChoice today;
    today.world = worldWho2000Standard();
    today.european = european2013Standard();
    // WHO 2000: 20 x 0.054 + 10 x 0.037 + 30 x 0.015; SE^2 = 10 (20 w10^2 + 10 w12^2 + 30 w15^2).
    const RateWithInterval who = asr(RateKind::AsrWorld, today);
    EXPECT_NEAR(who.rate.value, 1.90, 1e-12);
    EXPECT_NEAR(who.rate.se * who.rate.se, 0.7876, 1e-12);
    const RateWithInterval europe = asr(RateKind::AsrEuropean, today);
    EXPECT_NEAR(europe.rate.value, 3.2, 1e-12);
    EXPECT_NEAR(europe.rate.se * europe.rate.se, 1.82, 1e-12);
    // Over 10-14 the WHO weights of the range (sum 0.189) are rescaled to 1.
    EXPECT_NEAR(asr(RateKind::AsrWorld, today, 10, 14).rate.value, 1.45 / 0.189, 1e-12);
    // Fay-Feuer with the largest weight 0.088 x 10 (mpmath).
    const RateWithInterval gamma =
        asr(RateKind::AsrWorld, today, 0, kTopAgeGroup, IntervalMethod::Gamma);
    EXPECT_NEAR(gamma.interval.limits.lower, 0.57826982, 1e-7);
    EXPECT_NEAR(gamma.interval.limits.upper, 5.7119073, 1e-6);

    StandardChoice own;
    ASSERT_TRUE(
        parseStandardText("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18", "own.std", own.world));
    EXPECT_NEAR(asr(RateKind::AsrWorld, own).rate.value, 830.0 / 171, 1e-12);

    // Crude and cumulative figures do not depend on the standard, and the classic weights
    // handed in as a table of the caller's give the classic figures to the bit.
    StandardChoice classicAsOwn;
    classicAsOwn.world.file = "segi.std";
    classicAsOwn.european.file = "1976.std";
    for (const RateKind kind : {RateKind::CrudeRate, RateKind::CumulativeRate, RateKind::AsrWorld,
                                RateKind::AsrEuropean}) {
        const bool isAsr = kind == RateKind::AsrWorld || kind == RateKind::AsrEuropean;
        ASSERT_EQ(classicAsOwn.weightsFor(kind) != nullptr, isAsr);
        for (const auto& [from, to] : {std::pair{0, 14}, std::pair{3, kTopAgeGroup}}) {
            const RateResult classic = computeRate(m_store.series(), kind, from, to);
            const RateResult chosen = asr(kind, isAsr ? classicAsOwn : today, from, to).rate;
            EXPECT_EQ(chosen.value, classic.value) << static_cast<int>(kind) << " " << from;
            EXPECT_EQ(chosen.se, classic.se) << static_cast<int>(kind) << " " << from;
        }
    }
}

TEST_F(StandardsOnStore, SummaryTableNamesTodaysStandardsInItsHeadings) {
    SummaryRatesSettings settings;
    const SelectionList registries = test::selectPopulations({0});
    settings.standards.world = worldWho2000Standard();
    CSummaryRatesTable table(settings);
    table.build(m_store, registries, emptySelectionList());
    EXPECT_EQ(table.grid().text(0, 2), "ASR (World, WHO 2000)");
    EXPECT_EQ(table.grid().text(0, 3), "ASR (European)");
    EXPECT_EQ(table.grid().text(1, 2), "     1.90");
}

TEST(SirTests, ExactPoissonPValuesAgainstKnownValues) {
    EXPECT_NEAR(exactPoissonPValue(0, 2.5), 0.16416999724779759, 1e-12); // 2 e^-2.5
    EXPECT_NEAR(exactPoissonPValue(10, 4), 0.016264485593867726, 1e-12);
    EXPECT_EQ(exactPoissonPValue(50, 50), 1.0); // twice a tail above one half
    EXPECT_EQ(exactPoissonPValue(3, 0), -1.0);
    EXPECT_EQ(exactPoissonPValue(-1, 2), -1.0);
}

TEST(SirTests, TotalOfThreeRowsWorkedByHand) {
    auto row = [](double o, double e) {
        SirRow r;
        r.observed = o;
        r.expected = e;
        r.sir = 100 * o / e;
        r.chi2 = (o - e) * (o - e) / e;
        return r;
    };
    // O 60, E 56.5, chi2 9 + 2.5 + 0 with 3 df; the unavailable row counts for nothing.
    const SirTotal total = sirTotal({row(10, 4), row(0, 2.5), SirRow{}, row(50, 50)});
    EXPECT_EQ(total.row.observed, 60);
    EXPECT_EQ(total.row.expected, 56.5);
    EXPECT_NEAR(total.row.sir, 106.19469026548673, 1e-10);
    EXPECT_NEAR(total.row.sirLow, 81.023549173215798, 1e-10); // (sqrt 60 - 0.98)^2 / E
    EXPECT_NEAR(total.row.sirHigh, 136.75838825624255, 1e-10);
    EXPECT_EQ(total.row.chi2, 11.5);
    EXPECT_EQ(total.df, 3);
    EXPECT_NEAR(total.p, 0.0093077971060963675, 1e-12);
    EXPECT_EQ(sirTotalChi2Text(total), "      11.5 (3 df)");
    EXPECT_EQ(sirPText(sirRowPValue(row(10, 4))), "  0.0163");
    EXPECT_EQ(sirPText(sirRowPValue(SirRow{})), "N.A.");

    const SirTotal none = sirTotal({SirRow{}});
    EXPECT_FALSE(none.row.available());
    EXPECT_EQ(none.df, 0);
    EXPECT_EQ(sirPText(none.p), "N.A.");
}

} // namespace
} // namespace orvelan
