#include "core/rates/StandardWeights.h"

namespace orvelan {

const AgeArray* standardWeights(StandardCode standardCode) {
    switch (standardCode) {
    case StandardCode::World:
        return &kWorldWeights;
    case StandardCode::European:
        return &kEuropeanWeights;
    case StandardCode::Third:
        return &kThirdStandardWeights;
    default:
        return nullptr;
    }
}

bool selectsCumulativeWidths(StandardCode standardCode) {
    return standardCode == StandardCode::CumulativeWidths ||
           standardCode == StandardCode::CumulativeWidthsToo;
}

} // namespace orvelan
