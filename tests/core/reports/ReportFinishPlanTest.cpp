#include "reports/ReportFinishPlan.h"

#include <gtest/gtest.h>

namespace orvelan {
namespace {

TEST(ReportFinishPlan, OpensTheDocumentsOfEachKindMalesFirst) {
    using K = ReportOutputKind;
    struct Case {
        int kind, male, female;
        std::vector<ReportOutput> plan;
    };
    const std::vector<Case> cases = {
        {0, 1, 2, {{K::SummaryRatesView, 0}, {K::SummaryRatesView, 1}}},
        {0, 0, 2, {{K::SummaryRatesView, 1}}},
        {0, 1, 0, {{K::SummaryRatesView, 0}}},
        {1, 1, 1, {{K::AgeSpecificRatesView, 0}, {K::AgeSpecificRatesView, 1}}},
        {1, 0, 1, {{K::AgeSpecificRatesView, 1}}},
        {2, 1, 1, {{K::ReportView, 2}}},
        {2, 0, 1, {{K::ReportView, 2}}},
        {3, 1, 1, {}},
        {4, 0, 0, {{K::StandardTable, 2}}},
        {5, 0, 0, {{K::StandardAgeSpecificTable, 0}, {K::StandardAgeSpecificTable, 1}}},
        {9, 1, 1, {}},
    };
    for (const auto& c : cases) {
        ReportBlock block;
        block.reportKind = c.kind;
        block.male = c.male;
        block.female = c.female;
        EXPECT_EQ(reportFinishPlan(block), c.plan) << "kind " << c.kind;
    }
}

} // namespace
} // namespace orvelan
