#include "core/data/Series.h"

namespace orvelan {

double unknownAgeFactorOf(const AgeValues& cases) {
    double all = 0.0;
    for (double value : cases) {
        all += value;
    }
    const double unknown = cases[kUnknownAgeGroup];
    return unknown != 0.0 && all > unknown ? all / (all - unknown) : 1.0;
}

Series userSeries(const AgeArray& cases, const AgeArray& personYears) {
    Series series;
    series.lastAgeGroup = 0;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        series.cases[i] = cases[i];
        series.personYears[i] = personYears[i];
        if (personYears[i] != 0.0) {
            series.lastAgeGroup = static_cast<int>(i);
        }
    }
    return series;
}

Series foldedAtTop(Series series) {
    const auto last = static_cast<std::size_t>(series.lastAgeGroup);
    for (std::size_t i = last + 1; i <= static_cast<std::size_t>(kTopAgeGroup); ++i) {
        series.cases[last] += series.cases[i];
        series.cases[i] = 0.0;
    }
    return series;
}

} // namespace orvelan
