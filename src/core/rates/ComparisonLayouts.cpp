#include "core/rates/ComparisonLayouts.h"

#include "core/io/Printf.h"
#include "core/io/TextFile.h"
#include "core/rates/ComparisonNumbers.h"

namespace orvelan {
namespace {

std::string fieldLines(const ComparisonTexts& texts) {
    return formatText("Reference: %s\n", texts.reference.c_str()) +
           formatText("Comparison: %s\n", texts.comparison.c_str()) +
           formatText("Age range: %s\n", texts.ageRange.c_str());
}

std::string tabDelimited(const CurvePair& p, const ComparisonTexts& texts) {
    std::string text = fieldLines(texts);
    text += formatText("\n%s\t(Standard Error)\n", "ASR (World)");
    text += formatText("Reference:\t%.2f\t(%.3f)\n", p.asrRef, p.seRef);
    text += formatText("Comparison:\t%.2f\t(%.3f)\n", p.asrComp, p.seComp);
    if (p.asrRef > 0.0) {
        text += formatText("Ratio:\t%.3f\n", p.asrComp / p.asrRef);
    }
    text += "\nRelative Risk (RR) Estimates\n";
    text += "Method\tRate Ratio (RR)\tlog(RR)\tS.E.(log(RR))\n";
    text += formatText("Mantel & Haenszel\t%.4f\t%.4f\t%.4f\n", p.rrMH, p.logRrMH, p.seLogRrMH);
    text += formatText("Maximum likelihood\t%.4f\t%.4f\t%.4f\n", p.rrML, p.logRrML, p.seLogRrML);
    text += "\nTest of significance of the Relative Risk (RR)\n";
    text += "\tPvalue\tChi2\tDegree of freedom\n";
    text +=
        formatText("Mantel-Haenszel-Cochran test\t%.6f\t%.4f\t%d\n", p.pMHC, p.chi2MHC, p.dfMHC);
    text += formatText("Heterogeneity test\t%.6f\t%.4f\t%d\n", p.pHeterogeneity,
                       p.chi2Heterogeneity, p.dfHeterogeneity);
    text += formatText("Trend test\t%.6f\t%.4f\t%d\n", p.pTrend, p.chi2Trend, p.dfTrend);
    return text;
}

std::string formatted(const CurvePair& p, const ComparisonTexts& texts) {
    std::string text = fieldLines(texts);
    text += formatText("\n%s (Standard Error)\n", "ASR (World)");
    text += formatText("Reference: %10.2f (%.3f)\n", p.asrRef, p.seRef);
    text += formatText("Comparison:%10.2f (%.3f)\n", p.asrComp, p.seComp);
    if (p.asrRef > 0.0) {
        text += formatText("Ratio:     %10.3f\n", p.asrComp / p.asrRef);
    }
    text += "\nRelative Risk (RR) Estimates\n";
    text += "Method             Rate Ratio (RR)        log(RR)  S.E.(log(RR))\n";
    text += formatText("Mantel & Haenszel  %15.4f%15.4f%15.4f\n", p.rrMH, p.logRrMH, p.seLogRrMH);
    text += formatText("Maximum likelihood %15.4f%15.4f%15.4f\n", p.rrML, p.logRrML, p.seLogRrML);
    text += "\nTest of significance of the Relative Risk (RR)\n";
    text += "                                   Pvalue        Chi2   Degree of freedom\n";
    text +=
        formatText("Mantel-Haenszel-Cochran test %12.6f%12.4f%20d\n", p.pMHC, p.chi2MHC, p.dfMHC);
    text += formatText("Heterogeneity test           %12.6f%12.4f%20d\n", p.pHeterogeneity,
                       p.chi2Heterogeneity, p.dfHeterogeneity);
    text += formatText("Trend test                   %12.6f%12.4f%20d\n", p.pTrend, p.chi2Trend,
                       p.dfTrend);
    return text;
}

} // namespace

std::optional<ComparisonLayout> comparisonLayoutForFile(const std::string& path) {
    if (hasExtension(path, ".TXT")) {
        return ComparisonLayout::TabDelimited;
    }
    if (hasExtension(path, ".PRN")) {
        return ComparisonLayout::Formatted;
    }
    return std::nullopt;
}

std::string comparisonText(const CurvePair& pair, const ComparisonTexts& texts,
                           ComparisonLayout layout) {
    return layout == ComparisonLayout::TabDelimited ? tabDelimited(pair, texts)
                                                    : formatted(pair, texts);
}

SaveResult saveComparison(const std::string& path, const CurvePair& pair,
                          const ComparisonTexts& texts) {
    if (hasExtension(path, ".csv")) {
        return writeFileAtomically(path, comparisonNumbersCsv(pair, texts));
    }
    const std::optional<ComparisonLayout> layout = comparisonLayoutForFile(path);
    if (!layout) {
        return IoResult::refusal(IoStatus::UnsupportedFormat, kUnsupportedFormatMessage);
    }
    return writeFileAtomically(path, comparisonText(pair, texts, *layout));
}

} // namespace orvelan
