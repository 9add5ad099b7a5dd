#include "core/rates/ComparisonNumbers.h"

#include "core/io/NumberText.h"
#include "core/io/TextEncoding.h"
#include "core/io/TextFile.h"

#include <array>
#include <cmath>
#include <optional>

namespace orvelan {

namespace {

using Number = std::optional<double>;

struct FigureLine {
    std::string figure;
    std::string curve;
    Number value, standardError, lower, upper, chi2, df, p;
};

Number when(bool available, double value) { return available ? Number(value) : std::nullopt; }

void append(std::string& out, const FigureLine& line) {
    out += quotedField(line.figure, ',');
    out += ',';
    out += quotedField(displayUtf8(trimmedText(line.curve, " ")), ',');
    for (const Number& n :
         {line.value, line.standardError, line.lower, line.upper, line.chi2, line.df, line.p}) {
        out += ',';
        appendNumberField(out, n);
    }
    out += '\n';
}

void appendRateRatio(std::string& out, const std::string& method, double rr, double logRr,
                     double se) {
    // As the dialog: the interval needs a ratio above 0 and its standard error.
    const bool interval = rr > 0.0 && se >= 0.0;
    // The figure lines keep their empty fields packed, as the file's columns (clang-format would
    // give each field a line of its own).
    // clang-format off
    append(out, {"Rate ratio (RR): " + method, "", when(rr >= 0.0, rr), {},
                 when(interval, std::exp(logRr - 1.96 * se)),
                 when(interval, std::exp(logRr + 1.96 * se)), {}, {}, {}});
    append(out, {"log(RR): " + method, "", when(rr > 0.0, logRr),
                 when(rr >= 0.0 && se >= 0.0, se), {}, {}, {}, {}, {}});
}

void appendTest(std::string& out, std::string_view name, double p, double chi2, int df) {
    append(out, {std::string(name), "", {}, {}, {}, {}, when(chi2 > 0.0, chi2),
                 when(df >= 0, df), when(p >= 0.0, p)});
    // clang-format on
}

} // namespace

std::string comparisonNumbersCsv(const CurvePair& pair, const ComparisonTexts& texts) {
    std::string out = "figure,curve,value,standard error,lower,upper,chi2,df,p\n";
    // clang-format off
    append(out, {"Age range", texts.ageRange, {}, {}, {}, {}, {}, {}, {}});
    append(out, {"ASR (World): reference", texts.reference, when(pair.asrRef >= 0.0, pair.asrRef),
                 when(pair.asrRef >= 0.0, pair.seRef), {}, {}, {}, {}, {}});
    append(out, {"ASR (World): comparison", texts.comparison,
                 when(pair.asrComp >= 0.0, pair.asrComp), when(pair.asrComp >= 0.0, pair.seComp),
                 {}, {}, {}, {}, {}});
    append(out, {"ASR ratio: comparison / reference", "",
                 when(pair.asrRef > 0.0 && pair.asrComp >= 0.0, pair.asrComp / pair.asrRef), {},
                 {}, {}, {}, {}, {}});
    // clang-format on
    appendRateRatio(out, std::string(kRateRatioRows[0]), pair.rrMH, pair.logRrMH, pair.seLogRrMH);
    appendRateRatio(out, std::string(kRateRatioRows[1]), pair.rrML, pair.logRrML, pair.seLogRrML);
    appendTest(out, kTestRows[0], pair.pMHC, pair.chi2MHC, pair.dfMHC);
    appendTest(out, kTestRows[1], pair.pHeterogeneity, pair.chi2Heterogeneity,
               pair.dfHeterogeneity);
    appendTest(out, kTestRows[2], pair.pTrend, pair.chi2Trend, pair.dfTrend);
    return out;
}

} // namespace orvelan
