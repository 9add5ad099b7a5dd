#include "reports/ReportFinishPlan.h"

namespace orvelan {

namespace {

std::vector<ReportOutput> perSex(ReportOutputKind kind, const ReportBlock& block) {
    std::vector<ReportOutput> outputs;
    if (block.includesMales()) {
        outputs.push_back({kind, 0});
    }
    if (block.includesFemales()) {
        outputs.push_back({kind, 1});
    }
    return outputs;
}

} // namespace

std::vector<ReportOutput> reportFinishPlan(const ReportBlock& block) {
    switch (static_cast<ReportKind>(block.reportKind)) {
    case ReportKind::SummaryRates:
        return perSex(ReportOutputKind::SummaryRatesView, block);
    case ReportKind::AgeSpecific:
        return perSex(ReportOutputKind::AgeSpecificRatesView, block);
    case ReportKind::UserDefined:
        return {{ReportOutputKind::ReportView, 2}};
    case ReportKind::StandardMainTable:
        return {{ReportOutputKind::StandardTable, 2}};
    case ReportKind::StandardAgeSpecific:
        return {{ReportOutputKind::StandardAgeSpecificTable, 0},
                {ReportOutputKind::StandardAgeSpecificTable, 1}};
    case ReportKind::UseTemplate:
        break;
    }
    return {};
}

} // namespace orvelan
