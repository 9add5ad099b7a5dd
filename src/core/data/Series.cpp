#include "core/data/Series.h"

namespace orvelan {

double sumOf(const AgeValues& values) {
    double sum = 0.0;
    for (double value : values) {
        sum += value;
    }
    return sum;
}

double unknownAgeFactorOf(const AgeValues& cases) {
    const double all = sumOf(cases);
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
    foldIntoOpenClass(series.cases, series.lastAgeGroup);
    return series;
}

} // namespace orvelan
