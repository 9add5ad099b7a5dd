#pragma once

#include "core/rates/IntervalMethod.h"

// A table view whose confidence intervals follow the program's interval choice: switching the
// choice computes its cells again.
namespace orvelan {

class CIntervalTarget {
  public:
    virtual ~CIntervalTarget() = default;
    virtual void setIntervals(const IntervalChoice& intervals) = 0;
};

} // namespace orvelan
