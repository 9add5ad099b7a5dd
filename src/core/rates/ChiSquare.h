#pragma once

// Upper tail of the chi-square distribution as the comparisons print it.
namespace orvelan {

/// Probability that a chi-square variable with df degrees of freedom exceeds x: 1 for x <= 0,
/// 0 for df outside 1-99 or x > 160. Sums the lower-tail series to a term below 1e-10.
double ChiSquarePValue(double x, int df);

} // namespace orvelan
