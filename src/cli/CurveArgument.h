#pragma once

#include "core/data/Codes.h"

#include <string>

// The "P,C,S" argument that names one age-specific curve for the comparison commands, and the
// checks the statistics wizard makes on a chosen curve.
namespace orvelan::cli {

class CliContext;

/// One curve: population (272+: registry group), cancer (252+: cancer group) and sex
/// (0 male, 1 female, 2 both sexes).
struct CurveArgument {
    int population = 0;
    int cancer = 0;
    Sex sex = Sex::Male;
};

/// Parses "P,C,S" (S as for --sex: 0/m/male, 1/f/female, 2/both) and checks the numbers against
/// the data directory's dictionaries; a usage error otherwise.
CurveArgument parseCurveArgument(CliContext& context, const std::string& option,
                                 const std::string& text);

/// The wizard's checks of a curve over an age range: the sex/site combination, and a range that
/// ends below 85+ but inside the population's open top class ("Selected population and age range
/// are not compatible."). Usage errors.
void checkCurveForRange(CliContext& context, const CurveArgument& curve, int from, int to);

} // namespace orvelan::cli
