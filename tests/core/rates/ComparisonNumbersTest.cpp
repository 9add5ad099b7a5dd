#include "core/rates/ComparisonNumbers.h"

#include <gtest/gtest.h>

namespace orvelan {
namespace {

// Figures the dialog shows as dashes are empty fields; the rest at full precision.
TEST(ComparisonNumbers, EveryFigureOnALineOfItsOwn) {
    CurvePair pair;
    pair.resetResults();
    pair.asrRef = 12.5;
    pair.seRef = 0.25;
    pair.asrComp = 25.0;
    pair.seComp = 0.5;
    pair.rrMH = 1.0;
    pair.logRrMH = 0.0;
    pair.seLogRrMH = 0.0;
    pair.pMHC = 0.001;
    pair.chi2MHC = 10.5;
    pair.dfMHC = 1;
    const ComparisonTexts texts{" Denmark: Stomach-Male", "Cura\347ao, Stomach", " 0-74"};
    EXPECT_EQ(comparisonNumbersCsv(pair, texts),
              "figure,curve,value,standard error,lower,upper,chi2,df,p\n"
              "Age range,0-74,,,,,,,\n"
              "ASR (World): reference,Denmark: Stomach-Male,12.5,0.25,,,,,\n"
              "ASR (World): comparison,\"Cura\303\247ao, Stomach\",25,0.5,,,,,\n"
              "ASR ratio: comparison / reference,,2,,,,,,\n"
              "Rate ratio (RR): Mantel & Haenszel,,1,,1,1,,,\n"
              "log(RR): Mantel & Haenszel,,0,0,,,,,\n"
              "Rate ratio (RR): Maximum likelihood,,,,,,,,\n"
              "log(RR): Maximum likelihood,,,,,,,,\n"
              "Mantel-Haenszel-Cochran test,,,,,,10.5,1,0.001\n"
              "Heterogeneity test,,,,,,,0,\n"
              "Trend test,,,,,,,0,\n");
}

} // namespace
} // namespace orvelan
