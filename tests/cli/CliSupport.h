#pragma once

#include "FixtureData.h"
#include "RunProcess.h"
#include "TempDir.h"

#include <functional>
#include <string>
#include <vector>

namespace orvelan::test {

/// Runs orvelan-cli on a data directory; with outPath, its standard output goes there.
inline ProcessResult runCli(const TempDir& dir, std::vector<std::string> args,
                            const std::string& outPath = {}) {
    args.insert(args.begin(), {test::cliPath(), "--data-dir", dir.str()});
    return runProcess(args, outPath);
}

/// Both sexes of a population registered 1990-1994 with the same person-years in groups
/// 0..last, and cancer 0 ("All sites") with cases(sex, group) in every age group 0-18.
inline void addFlatPopulation(FixtureData& data, int population, double personYears, int last,
                              const std::function<double(int, std::size_t)>& cases,
                              char marker = ' ') {
    for (int sex = 0; sex < 2; ++sex) {
        data.setPopulation(
            population, sex,
            {1990, 1994, FixtureData::flatPersonYears(personYears, last), 'g', marker});
        CasesFixture record;
        for (std::size_t i = 0; i < record.cases.size(); ++i) {
            record.cases[i] = cases(sex, i);
        }
        data.setCases(population, sex, 0, record);
    }
}

} // namespace orvelan::test
