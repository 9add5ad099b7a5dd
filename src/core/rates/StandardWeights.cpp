#include "core/rates/StandardWeights.h"

namespace orvelan {

const AgeArray* standardWeights(int standardCode) {
    switch (static_cast<StandardCode>(standardCode)) {
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

bool selectsCumulativeWidths(int standardCode) {
    return standardCode == static_cast<int>(StandardCode::CumulativeWidths) ||
           standardCode == static_cast<int>(StandardCode::CumulativeWidthsToo);
}

} // namespace orvelan
