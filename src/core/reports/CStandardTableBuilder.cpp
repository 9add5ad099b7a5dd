#include "core/reports/CStandardTableBuilder.h"

#include "core/data/CCancerDictionary.h"
#include "core/data/CIncidenceStore.h"
#include "core/io/NumberText.h"
#include "core/io/Printf.h"
#include "core/rates/StandardWeights.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

namespace orvelan {

namespace {

constexpr int kOtherSkinRow = 24;
constexpr int kLastSiteRow = 57; // rows 0-57 are built from cancers; 58 is the remainder
constexpr double kPer100k = 100000.0;
constexpr int kLast64 = 12; // 60-64
constexpr int kLast74 = 14; // 70-74

std::size_t at(int index) { return static_cast<std::size_t>(index); }
std::size_t at(Sex sex) { return at(indexOf(sex)); }

/// Rows without a relative frequency: "Other skin" and "All sites".
bool hasNoFrequency(int row) {
    return row == kOtherSkinRow || row == CCancerDictionary::kAllSitesRow;
}

void buildOtherAndUnspecified(StandardTableFigures& f) {
    for (auto& rows : f.cases) {
        auto& other = rows[at(CCancerDictionary::kOtherAndUnspecifiedRow)];
        const auto& all = rows[at(CCancerDictionary::kAllSitesRow)];
        for (int a = 0; a < kAgeGroupCount; ++a) {
            double remainder = all[at(a)];
            for (int row = 0; row <= kLastSiteRow; ++row) {
                remainder -= rows[at(row)][at(a)];
            }
            other[at(a)] = remainder;
        }
    }
}

/// The World weights with the groups above the open top class added into it.
AgeArray foldedWorldWeights(int last) {
    AgeArray w = kWorldWeights;
    for (int a = last + 1; a < kKnownAgeGroupCount; ++a) {
        w[at(last)] += w[at(a)];
        w[at(a)] = 0.0;
    }
    return w;
}

void computeSex(StandardTableFigures& f, Sex sex, const AgeArray& weights) {
    const int last = f.lastAgeGroup;
    const AgeValues& py = f.personYears[at(sex)];
    double totalPersonYears = 0.0;
    for (double v : py) {
        totalPersonYears += v;
    }
    for (int row = 0; row < kStandardRows; ++row) {
        auto& e = f.cases[at(sex)][at(row)];
        double total = 0.0;
        for (int a = 0; a < kAgeGroupCount; ++a) {
            total += e[at(a)];
        }
        e[at(kAllAgesEntry)] = total;
        f.crude[at(sex)][at(row)] =
            totalPersonYears != 0.0 ? total * kPer100k / totalPersonYears : 0.0;
        for (int a = last + 1; a < kKnownAgeGroupCount; ++a) {
            e[at(last)] += e[at(a)];
            e[at(a)] = 0.0;
        }
        // A group without person-years has no rate; it keeps 0 and prints as a dash.
        for (int a = 0; a <= last; ++a) {
            e[at(a)] = py[at(a)] != 0.0 ? e[at(a)] * kPer100k / py[at(a)] : 0.0;
        }
        double asr = 0.0;
        double cum64 = 0.0;
        double cum74 = 0.0;
        for (int a = 0; a <= last; ++a) {
            asr += weights[at(a)] * e[at(a)];
        }
        if (last > kLast64) {
            for (int a = 0; a <= kLast64; ++a) {
                cum64 += e[at(a)] * kAgeGroupWidth * 0.001;
            }
        }
        if (last > kLast74) {
            for (int a = 0; a <= kLast74; ++a) {
                cum74 += e[at(a)] * kAgeGroupWidth * 0.001;
            }
        }
        // Spread cases of unknown age over the known ages in proportion (T / (T - U)).
        const double unknown = e[at(kUnknownAgeGroup)];
        if (unknown != 0.0 && total - unknown != 0.0) {
            const double factor = total / (total - unknown);
            asr *= factor;
            cum64 *= factor;
            cum74 *= factor;
        }
        f.asr[at(sex)][at(row)] = asr;
        f.cumulative64[at(sex)][at(row)] = cum64;
        f.cumulative74[at(sex)][at(row)] = cum74;
    }
}

/// printf's "%-*s": text, then blanks up to width.
void appendLeft(std::string& out, std::string_view text, std::size_t width) {
    out += text;
    if (text.size() < width) {
        out.append(width - text.size(), ' ');
    }
}

/// "%6.1f" or a dash when there is no figure.
void appendFigure(std::string& out, std::optional<double> figure) {
    if (figure) {
        appendFixed(out, *figure, 6, 1);
    } else {
        out += "     -";
    }
}

void appendSummarySex(std::string& out, const StandardTableFigures& f, Sex sex, int row) {
    const bool applies = CCancerDictionary::standardRowAppliesTo(row, sex);
    const int last = f.lastAgeGroup;
    const double crude = f.crude[at(sex)][at(row)];
    if (!applies) {
        out += std::string("        -") + "    -     - " + "    - " + "   -  " + "   -   ";
        return;
    }
    appendWhole(out, f.cases[at(sex)][at(row)][at(kAllAgesEntry)], 9);
    if (hasNoFrequency(row)) {
        out += "      ";
        appendFixed(out, crude, 6, 1);
    } else {
        appendFigure(out, f.frequency(sex, row));
        appendFixed(out, crude, 6, 1);
    }
    appendFixed(out, f.asr[at(sex)][at(row)], 6, 1);
    if (last > kLast64) {
        appendFixed(out, f.cumulative64[at(sex)][at(row)], 6, 2);
    } else {
        out += "   -  ";
    }
    if (last > kLast74) {
        appendFixed(out, f.cumulative74[at(sex)][at(row)], 6, 2);
        out += ' ';
    } else {
        out += "   -   ";
    }
}

void appendAgeSpecificRow(std::string& out, const StandardTableFigures& f, Sex sex, int row) {
    const auto& e = f.cases[at(sex)][at(row)];
    const int last = f.lastAgeGroup;
    appendLeft(out, CCancerDictionary::standardRowSite(row), 30);
    appendWhole(out, e[at(kAllAgesEntry)], 8);
    appendWhole(out, e[at(kUnknownAgeGroup)], 5);
    for (int a = 0; a <= last; ++a) {
        if (e[at(a)] != 0.0) {
            appendFixed(out, e[at(a)], 7, 1);
        } else {
            out += "     - ";
        }
    }
    const double crude = f.crude[at(sex)][at(row)];
    appendFixed(out, crude, 6, 1);
    if (hasNoFrequency(row)) {
        out += "      ";
    } else {
        appendFigure(out, f.frequency(sex, row));
    }
    for (const auto& [limit, figures] :
         {std::pair{kLast64, &f.cumulative64}, std::pair{kLast74, &f.cumulative74}}) {
        if (last > limit) {
            appendFixed(out, (*figures)[at(sex)][at(row)], 6, 2);
        } else {
            out += "   -  ";
        }
    }
    appendFixed(out, f.asr[at(sex)][at(row)], 6, 1);
    out += "  ";
    appendLeft(out, CCancerDictionary::standardRowCode(row), 10);
    out += "\r\n";
}

} // namespace

std::optional<double> StandardTableFigures::frequency(Sex sex, int row) const {
    const double all = crude[at(sex)][at(CCancerDictionary::kAllSitesButSkinRow)];
    if (all == 0.0) {
        return std::nullopt;
    }
    return crude[at(sex)][at(row)] * 100.0 / all;
}

CStandardTableBuilder::CStandardTableBuilder(std::string title, int population,
                                             StandardLayout layout, Sex sex)
    : m_title(std::move(title)), m_population(population), m_layout(layout), m_sex(sex) {}

bool CStandardTableBuilder::build(CIncidenceStore& store) {
    m_text.clear();
    auto figures = compute(store, m_population);
    if (!figures) {
        return false;
    }
    m_figures = *figures;
    m_text = m_layout == StandardLayout::Summary ? renderSummary(m_title, m_figures)
                                                 : renderAgeSpecific(m_title, m_figures, m_sex);
    return true;
}

std::string CStandardTableBuilder::toPrnText(const std::string& shownText) {
    std::string out;
    out.reserve(shownText.size());
    for (std::size_t i = 0; i < shownText.size(); ++i) {
        if (shownText[i] == '\r' && i + 1 < shownText.size() && shownText[i + 1] == '\n') {
            continue;
        }
        out += shownText[i];
    }
    return out;
}

SaveResult CStandardTableBuilder::saveStandardTable(const std::string& path,
                                                    const std::string& shownText) {
    if (!hasExtension(path, ".PRN")) {
        return IoResult::refusal(IoStatus::UnsupportedFormat, kUnsupportedFormatMessage);
    }
    return writeFileAtomically(path, toPrnText(shownText));
}

std::optional<StandardTableFigures> CStandardTableBuilder::compute(CIncidenceStore& store,
                                                                   int population) {
    StandardTableFigures f;
    for (const Sex sex : kSingleSexes) {
        if (!store.load(population, 0, sex)) {
            return std::nullopt;
        }
        f.personYears[at(sex)] = store.personYears();
    }
    f.lastAgeGroup = store.lastAgeGroup();
    for (int cancer = 0; cancer < kCancerCount; ++cancer) {
        const int row = CCancerDictionary::standardRow(cancer);
        if (row < 0) {
            continue;
        }
        for (const Sex sex : kSingleSexes) {
            if (!store.load(population, cancer, sex)) {
                return std::nullopt;
            }
            auto& e = f.cases[at(sex)][at(row)];
            for (int a = 0; a < kAgeGroupCount; ++a) {
                e[at(a)] += store.cases()[at(a)];
            }
        }
    }
    computeRates(f);
    return f;
}

void CStandardTableBuilder::computeRates(StandardTableFigures& f) {
    buildOtherAndUnspecified(f);
    const AgeArray weights = foldedWorldWeights(f.lastAgeGroup);
    for (const Sex sex : kSingleSexes) {
        computeSex(f, sex, weights);
    }
}

std::string CStandardTableBuilder::renderSummary(const std::string& title,
                                                 const StandardTableFigures& f) {
    const std::string blanks30(30, ' ');
    std::string out = title;
    out += "\r\n" + std::string(29, ' ');
    for (const char* sex : {"Male", "Female"}) {
        appendFormat(out, "%6.6s", sex);
        out += std::string(36, ' ');
    }
    out += "\r\nSITE" + std::string(26, ' ');
    for (std::size_t i = 0; i < kSingleSexes.size(); ++i) {
        out += "                Crude  ASR    Cum. rates";
    }
    out += "\r\n" + blanks30;
    for (std::size_t i = 0; i < kSingleSexes.size(); ++i) {
        out += " No.cases Freq.  rate world   0-64  0-74";
    }
    out += "\r\n" + blanks30;
    for (std::size_t i = 0; i < kSingleSexes.size(); ++i) {
        out += "           (%) (per 100,000)  (percent) ";
    }
    out += "ICD-10\r\n";
    out += std::string(120, '-') + "\r\n";
    for (int row = 0; row < kStandardRows; ++row) {
        appendLeft(out, CCancerDictionary::standardRowSite(row), 30);
        for (const Sex sex : kSingleSexes) {
            appendSummarySex(out, f, sex, row);
        }
        out += CCancerDictionary::standardRowCode(row);
        out += "\r\n";
    }
    return out;
}

std::string CStandardTableBuilder::renderAgeSpecific(const std::string& title,
                                                     const StandardTableFigures& f, Sex sex) {
    const int last = f.lastAgeGroup;
    std::string out = title;
    out += "     Annual incidence per 100,000 by age group - ";
    out += sex == Sex::Male ? "Male" : "Female";
    out += "\r\n\r\nSITE                          All ages  Unk ";
    for (int a = 0; a <= last; ++a) {
        const std::string heading(columnHeading(a));
        if (a == last && last < kTopAgeGroup) {
            appendFormat(out, "  %2.2s+  ", heading.c_str());
        } else {
            appendFormat(out, "  %3.3s  ", heading.c_str());
        }
    }
    out += "Crude Freq. Cum64 Cum74 ASR(W) ICD-10\r\n";
    for (int row = 0; row < kStandardRows; ++row) {
        if (CCancerDictionary::standardRowAppliesTo(row, sex)) {
            appendAgeSpecificRow(out, f, sex, row);
        }
    }
    return out;
}

} // namespace orvelan
