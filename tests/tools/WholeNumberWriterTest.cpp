// The whole-number writer on the whole generated collection: every case count, person-year
// value and record total is written as printf writes it at the tables' widths.
#include "CDataSetGenerator.h"
#include "GeneratedSet.h"
#include "core/data/Codes.h"
#include "core/io/NumberText.h"

#include <cstdio>
#include <gtest/gtest.h>

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

} // namespace
} // namespace orvelan::test
