#pragma once

// Exponential and logarithm written with nothing but IEEE-754 additions, multiplications and
// divisions, so that the generator draws the same numbers on every platform and C library
// (the libm versions of exp and log may differ in the last bit between systems).
namespace orvelan::mkdata {

/// e^x; 0 below -745.
double detExp(double x);
/// Natural logarithm of x > 0.
double detLog(double x);
/// base^exponent for base > 0.
double detPow(double base, double exponent);
/// 1 / (1 + e^-x).
double logistic(double x);
/// ln(p / (1 - p)) for 0 < p < 1.
double logit(double p);

} // namespace orvelan::mkdata
