#pragma once

// Confidence limits by formula, free of any data: the normal approximation, exact Poisson
// limits of a count (Garwood 1936) and the gamma limits of a weighted sum of Poisson counts
// (Fay and Feuer 1997), whose modified form (Tiwari et al. 2006) passes the mean weight.
namespace orvelan {

struct Interval {
    double lower = 0.0;
    double upper = 0.0;
};

/// value -/+ z SE with z the level's normal quantile; the lower limit is not clipped at 0.
Interval normalLimits(double value, double se, int level);

/// Exact limits of a Poisson count x at a level: chi2(a/2; 2x) / 2 and chi2(1 - a/2; 2x + 2) / 2
/// with a = 1 - level; the lower limit of 0 is 0. A negative count gives {-1, -1}.
Interval exactPoissonLimits(double count, int level);

/// Gamma limits of y = sum of w_i x_i (x_i Poisson) with variance v = sum of w_i^2 x_i:
/// lower = G^-1(a/2; y^2/v, v/y) (0 when y is 0), upper = G^-1(1 - a/2; (y + w)^2 / (v + w^2),
/// (v + w^2) / (y + w)), G^-1(p; shape, scale) the gamma quantile. w is the largest weight w_i
/// (Fay-Feuer) or their mean (Tiwari). Negative inputs or w = 0 give {-1, -1}.
Interval gammaLimits(double rate, double variance, double weight, int level);

/// Two-sided exact Poisson p-value of an observed count (its whole part) against an expected
/// one: twice the smaller of P(X <= O) and P(X >= O) for X Poisson with mean E, at most 1.
/// -1 when O is negative or E is not positive.
double exactPoissonPValue(double observed, double expected);

/// Probability that a chi-square variable with df degrees of freedom exceeds x, for any df of
/// 1 or more; -1 for df below 1 or a negative x.
double chiSquareTail(double x, int df);

} // namespace orvelan
