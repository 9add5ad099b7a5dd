// The number writers on the whole generated collection: every case count, person-year value and
// record total is written as printf writes it at the tables' widths, every figure of the 229
// standard tables as printf writes it at the tables' formats, and every figure of every series
// (all six kinds, ages 0-74 and 0-85+) has the shortest text of the standard library.
#include "GeneratedSet.h"
#include "core/data/CIncidenceStore.h"
#include "core/io/NumberText.h"
#include "core/rates/SeriesRates.h"
#include "core/reports/CStandardTableBuilder.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace orvelan::test {
namespace {

TEST(WholeNumberWriter, EveryValueOfTheCollectionAtTheTablesWidths) {
    char expected[64];
    int checked = 0;
    const auto check = [&](double value) {
        for (const int width : {0, 5, 8, 9, 10}) {
            std::snprintf(expected, sizeof expected, "%*.0f", width, value);
            if (wholeText(value, width) != expected) {
                ADD_FAILURE() << value << " at width " << width;
                return;
            }
        }
        ++checked;
    };
    for (int p = 0; p < kPopulationCount; ++p) {
        for (int sex = 0; sex < 2; ++sex) {
            for (const double personYears : defaultSet().population(p, sex).personYears) {
                check(personYears);
            }
            for (int cancer = 0; cancer < kCancerCount; ++cancer) {
                double total = 0.0;
                for (const double cases : defaultSet().cases(p, sex, cancer).cases) {
                    check(cases);
                    total += cases;
                }
                check(total);
                check(defaultSet().cases(p, sex, cancer).verification);
            }
        }
    }
    EXPECT_GT(checked, 229 * 2 * 252 * 20);
}

TEST(DecimalWriters, EveryStandardTableFigureAsPrintfWritesIt) {
    CIncidenceStore store;
    ASSERT_TRUE(store.open(defaultSet().directory));
    int checked = 0;
    const auto check = [&](double value, int width, int decimals) {
        char expected[400];
        std::snprintf(expected, sizeof expected, "%*.*f", width, decimals, value);
        std::string out;
        appendFixed(out, value, width, decimals);
        if (out != expected) {
            ADD_FAILURE() << value << " as %" << width << '.' << decimals << "f: " << out;
        }
        ++checked;
    };
    for (int p = 0; p < kPopulationCount; ++p) {
        const auto figures = CStandardTableBuilder::compute(store, p);
        ASSERT_TRUE(figures) << p;
        for (const Sex sex : kSingleSexes) {
            const auto s = static_cast<std::size_t>(indexOf(sex));
            for (std::size_t row = 0; row < static_cast<std::size_t>(kStandardRows); ++row) {
                for (const double rate : figures->cases[s][row]) {
                    check(rate, 7, 1);
                }
                check(figures->crude[s][row], 6, 1);
                check(figures->asr[s][row], 6, 1);
                check(figures->cumulative64[s][row], 6, 2);
                check(figures->cumulative74[s][row], 6, 2);
                if (const auto frequency = figures->frequency(sex, static_cast<int>(row))) {
                    check(*frequency, 6, 1);
                }
            }
        }
    }
    EXPECT_GT(checked, 229 * 2 * 59 * 20);
}

TEST(DecimalWriters, EveryFigureHasTheLibrarysShortestText) {
    CIncidenceStore store;
    ASSERT_TRUE(store.open(defaultSet().directory));
    int checked = 0;
    const auto check = [&](double value) {
        char expected[400];
        const double magnitude = std::fabs(value);
        const auto end = magnitude == 0.0 || (magnitude >= 1e-5 && magnitude < 1e16)
                             ? std::to_chars(expected, expected + sizeof expected, value,
                                             std::chars_format::fixed)
                                   .ptr
                             : std::to_chars(expected, expected + sizeof expected, value).ptr;
        char out[kShortestRoom];
        if (std::string(out, writeShortest(out, value)) != std::string(expected, end)) {
            ADD_FAILURE() << std::hexfloat << value;
        }
        ++checked;
    };
    for (int p = 0; p < kPopulationCount; ++p) {
        for (int c = 0; c < kCancerCount; ++c) {
            for (const Sex sex : kSingleSexes) {
                ASSERT_TRUE(store.load(p, c, sex));
                for (int kind = 0; kind < kRateKindCount; ++kind) {
                    for (const int to : {14, kTopAgeGroup}) {
                        const RateResult r =
                            computeRate(store.series(), static_cast<RateKind>(kind), 0, to);
                        for (const double v : {r.value, r.se, r.lower(), r.upper()}) {
                            check(v);
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(checked, 229 * 252 * 2 * 6 * 2 * 4);
}

} // namespace
} // namespace orvelan::test
