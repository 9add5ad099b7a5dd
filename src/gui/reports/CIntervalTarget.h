#pragma once

#include "core/rates/IntervalMethod.h"
#include "core/rates/StandardPopulations.h"

// A table view whose confidence intervals follow the program's interval choice: switching the
// choice computes its cells again.
namespace orvelan {

class CIntervalTarget {
  public:
    virtual ~CIntervalTarget() = default;
    virtual void setIntervals(const IntervalChoice& intervals) = 0;
};

/// A view whose age-standardised rates follow the program's choice of standard populations.
class CStandardTarget {
  public:
    virtual ~CStandardTarget() = default;
    virtual void setStandards(const StandardChoice& standards) = 0;
};

} // namespace orvelan
