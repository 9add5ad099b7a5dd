#include "core/reports/ReportFinishPlan.h"

#include <utility>

namespace orvelan {

namespace {

std::vector<ReportOutput> perSex(ReportOutputKind kind, const ReportBlock& block) {
    std::vector<ReportOutput> outputs;
    if (block.includesMales()) {
        outputs.push_back({kind, Sex::Male});
    }
    if (block.includesFemales()) {
        outputs.push_back({kind, Sex::Female});
    }
    return outputs;
}

bool validPopulation(int population, int registryGroupCount) {
    return (population >= 0 && population < kPopulationCount) ||
           (population >= kFirstRegistryGroup &&
            population < kFirstRegistryGroup + registryGroupCount);
}

bool validCancer(int cancer, int cancerGroupCount) {
    return (cancer >= 0 && cancer < kCancerCount) ||
           (cancer >= kFirstCancerGroup && cancer < kFirstCancerGroup + cancerGroupCount);
}

} // namespace

std::vector<ReportOutput> reportFinishPlan(const ReportBlock& block) {
    switch (static_cast<ReportKind>(block.reportKind)) {
    case ReportKind::SummaryRates:
        return perSex(ReportOutputKind::SummaryRatesView, block);
    case ReportKind::AgeSpecific:
        return perSex(ReportOutputKind::AgeSpecificRatesView, block);
    case ReportKind::UserDefined:
        return {{ReportOutputKind::ReportView, Sex::Both}};
    case ReportKind::StandardMainTable:
        return {{ReportOutputKind::StandardTable, Sex::Both}};
    case ReportKind::StandardAgeSpecific:
        return {{ReportOutputKind::StandardAgeSpecificTable, Sex::Male},
                {ReportOutputKind::StandardAgeSpecificTable, Sex::Female}};
    case ReportKind::UseTemplate:
        break;
    }
    return {};
}

std::optional<std::string> reportBlockProblem(const ReportBlock& block, int registryGroupCount,
                                              int cancerGroupCount) {
    const int kind = block.reportKind;
    if (kind < 0 || kind > static_cast<int>(ReportKind::UserDefined)) {
        return "report kind " + std::to_string(kind) +
               " is not a report (0 summary rates, 1 age-specific, 2 user-defined)";
    }
    if (block.ageFrom < 0 || block.ageTo > kTopAgeGroup || block.ageTo < block.ageFrom) {
        return "invalid age range " + std::to_string(block.ageFrom) + "-" +
               std::to_string(block.ageTo);
    }
    if (block.rateKind < 0 || block.rateKind >= kRateKindCount) {
        return "invalid rate kind " + std::to_string(block.rateKind);
    }
    if (!block.includesMales() && !block.includesFemales()) {
        return "no sex is ticked";
    }
    if (kind == static_cast<int>(ReportKind::UserDefined)) {
        return std::nullopt;
    }
    if (block.arrangement != 0 && !validCancer(block.fixedCancer, cancerGroupCount)) {
        return "the fixed cancer " + std::to_string(block.fixedCancer) + " does not exist";
    }
    if (block.arrangement == 0 && !validPopulation(block.fixedRegistry, registryGroupCount)) {
        return "the fixed registry " + std::to_string(block.fixedRegistry) + " does not exist";
    }
    return std::nullopt;
}

IoResult checkReportTemplateBlock(const std::string& file, const ReportBlock& block,
                                  int registryGroupCount, int cancerGroupCount) {
    if (auto problem = reportBlockProblem(block, registryGroupCount, cancerGroupCount)) {
        return IoResult::failure(file, "cannot be run", std::move(*problem));
    }
    return {};
}

} // namespace orvelan
