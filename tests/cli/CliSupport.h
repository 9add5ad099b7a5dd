#pragma once

#include "FixtureData.h"
#include "RunProcess.h"
#include "TempDir.h"
#include "core/reports/CReportTemplate.h"

#include <functional>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace orvelan::test {

using Args = std::vector<std::string>;

/// A command line with more arguments after it.
inline Args joined(Args args, const Args& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

/// Runs orvelan-cli on a data directory; with outPath, its standard output goes there.
inline ProcessResult runCli(const TempDir& dir, const Args& args, const std::string& outPath = {}) {
    return runProcess(joined({test::cliPath(), "--data-dir", dir.str()}, args), outPath);
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

/// The cases of addFlatPopulation most suites use: one a group in males, two in females, none
/// of unknown age.
inline double oneMaleTwoFemale(int sex, std::size_t group) { return group < 18 ? sex + 1.0 : 0.0; }

/// The fields of a CSV line, quotes undone ("" inside quotes is one quote).
inline std::vector<std::string> csvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += line[++i];
            } else {
                quoted = !quoted;
            }
        } else if (line[i] == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += line[i];
        }
    }
    return fields;
}

/// Writes a report template of a block (in the file's order) over the rows of the populations
/// and cancer 0 ("All sites"); gives its path.
inline std::string
writeReportTemplate(const std::string& path,
                    const std::array<std::int32_t, ReportBlock::kFieldCount>& block,
                    std::initializer_list<int> populations) {
    ReportChoices choices;
    choices.block = ReportBlock::fromArray(block);
    choices.registries = selectPopulations(populations);
    choices.cancers[0] = 0;
    EXPECT_TRUE(CReportTemplate::write(path, choices, 0, 0)) << path;
    return path;
}

/// A data directory that each suite's SetUp fills, and orvelan-cli run on it.
class CliTest : public ::testing::Test {
  protected:
    ProcessResult run(const Args& args, const std::string& outPath = {}) const {
        return runCli(m_dir, args, outPath);
    }

    /// Runs a command that must succeed.
    ProcessResult ok(const Args& args) const {
        ProcessResult result = run(args);
        EXPECT_EQ(result.exitCode, 0) << testing::PrintToString(args) << ": " << result.err;
        return result;
    }

    /// The JSON a command that must succeed prints (null when it fails).
    nlohmann::json json(const Args& args) const {
        const ProcessResult result = run(args);
        EXPECT_EQ(result.exitCode, 0) << testing::PrintToString(args) << ": " << result.err;
        return result.exitCode == 0 ? nlohmann::json::parse(result.out) : nlohmann::json();
    }

    /// Runs a command that must end with exitCode and say message on standard error.
    ProcessResult expectExit(const Args& args, int exitCode, const std::string& message) const {
        ProcessResult result = run(args);
        EXPECT_EQ(result.exitCode, exitCode) << testing::PrintToString(args) << ": " << result.err;
        EXPECT_NE(result.err.find(message), std::string::npos)
            << testing::PrintToString(args) << " should say '" << message << "': " << result.err;
        return result;
    }

    TempDir m_dir;
};

} // namespace orvelan::test
