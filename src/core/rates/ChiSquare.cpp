#include "core/rates/ChiSquare.h"

#include <cmath>

namespace orvelan {

double ChiSquarePValue(double x, int df) {
    if (x <= 0.0) {
        return 1.0;
    }
    if (df <= 0 || df >= 100 || x > 160.0) {
        return 0.0;
    }
    // logLead = ln((x/2)^(df/2) / Gamma(df/2 + 1)), built from the factors x/n, n = df, df-2, ...
    // and, for odd df, sqrt(2 / (pi x)) with 2/pi rounded as the printed tables were made.
    double logLead = 0.0;
    int n = df;
    do {
        logLead += std::log(x / n);
        n -= 2;
    } while (n > 0);
    if (n < 0) {
        logLead += 0.5 * std::log(0.6366198 / x);
    }
    double sum = 1.0;
    double term = 1.0;
    int m = df;
    do {
        m += 2;
        term = term * x / m;
        sum += term;
    } while (term >= 1e-10);
    double lowerTail = sum * std::exp(logLead - x / 2.0);
    if (lowerTail >= 1.0) {
        lowerTail = 1.0;
    }
    return 1.0 - lowerTail;
}

} // namespace orvelan
