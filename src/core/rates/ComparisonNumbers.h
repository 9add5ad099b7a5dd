#pragma once

#include "core/rates/ComparisonTexts.h"
#include "core/rates/CurvePair.h"

#include <string>

// Every figure of the two-curve comparison as a CSV table for spreadsheets: one line per
// figure with the columns figure, curve, value, standard error, lower, upper, chi2, df and p.
// A figure the results dialog shows as a dash is an empty field; labels are UTF-8.
namespace orvelan {

std::string comparisonNumbersCsv(const CurvePair& pair, const ComparisonTexts& texts);

} // namespace orvelan
