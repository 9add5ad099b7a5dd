#include "core/rates/CurvePair.h"

namespace orvelan {

void CurvePair::resetResults() {
    asrRef = asrComp = seRef = seComp = -1.0;
    rrMH = seLogRrMH = -1.0;
    rrML = seLogRrML = -1.0;
    logRrMH = logRrML = 0.0;
    pMHC = pHeterogeneity = pTrend = -1.0;
    chi2MHC = chi2Heterogeneity = chi2Trend = -1.0;
    dfMHC = dfHeterogeneity = dfTrend = 0;
}

} // namespace orvelan
