#include "core/reports/ReportFinishPlan.h"

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
        {0, 1, 2, {{K::SummaryRatesView, Sex::Male}, {K::SummaryRatesView, Sex::Female}}},
        {0, 0, 2, {{K::SummaryRatesView, Sex::Female}}},
        {0, 1, 0, {{K::SummaryRatesView, Sex::Male}}},
        {1, 1, 1, {{K::AgeSpecificRatesView, Sex::Male}, {K::AgeSpecificRatesView, Sex::Female}}},
        {1, 0, 1, {{K::AgeSpecificRatesView, Sex::Female}}},
        {2, 1, 1, {{K::ReportView, Sex::Both}}},
        {2, 0, 1, {{K::ReportView, Sex::Both}}},
        {3, 1, 1, {}},
        {4, 0, 0, {{K::StandardTable, Sex::Both}}},
        {5,
         0,
         0,
         {{K::StandardAgeSpecificTable, Sex::Male}, {K::StandardAgeSpecificTable, Sex::Female}}},
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

namespace orvelan {
namespace {

TEST(ReportBlockProblem, RefusesBlocksATemplateCannotRun) {
    struct Case {
        std::array<std::int32_t, 11> fields;
        bool runnable;
    };
    // kind, interval, arrangement, cancer, registry, from, to, rate, sexes, male, female
    const std::vector<Case> cases = {
        {{0, 1, 1, 34, 0, 0, 17, 1, 2, 1, 2}, true},
        {{0, 1, 1, 252, 0, 0, 17, 1, 2, 1, 2}, true},   // cancer group 0 exists
        {{0, 1, 1, 253, 0, 0, 17, 1, 2, 1, 2}, false},  // cancer group 1 does not
        {{1, 1, 0, 999, 228, 0, 17, 1, 0, 1, 0}, true}, // registry fixed: cancer unused
        {{1, 1, 0, 0, 229, 0, 17, 1, 0, 1, 0}, false},
        {{1, 1, 0, 0, 273, 0, 17, 1, 0, 1, 0}, true}, // registry groups 0 and 1 exist
        {{1, 1, 0, 0, 274, 0, 17, 1, 0, 1, 0}, false},
        {{2, 0, 1, -5, -5, 3, 12, 5, 1, 0, 1}, true},
        {{2, 0, 1, 0, 0, 12, 3, 5, 1, 0, 1}, false},
        {{2, 0, 1, 0, 0, 0, 18, 5, 1, 0, 1}, false},
        {{2, 0, 1, 0, 0, 0, 17, 6, 1, 0, 1}, false},
        {{2, 0, 1, 0, 0, 0, 17, 1, 0, 0, 0}, false},
        {{3, 0, 1, 0, 0, 0, 17, 1, 2, 1, 1}, false},
        {{4, 0, 1, 0, 0, 0, 17, 1, 2, 1, 1}, false},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto problem = reportBlockProblem(ReportBlock::fromArray(cases[i].fields), 2, 1);
        EXPECT_EQ(!problem.has_value(), cases[i].runnable)
            << "case " << i << ": " << problem.value_or("");
    }
}

} // namespace
} // namespace orvelan
