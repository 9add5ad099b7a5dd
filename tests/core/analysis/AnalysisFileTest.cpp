#include "core/analysis/AnalysisFile.h"

#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace orvelan {
namespace {

UserCurve sampleCurve() {
    UserCurve curve;
    curve.title = "Cohort A, 1990-1994";
    for (std::size_t j = 0; j < curve.cases.size(); ++j) {
        curve.cases[j] = static_cast<double>(j * 3);
        curve.personYears[j] = 123456789.0 - 1000.0 * static_cast<double>(j);
        curve.rates[j] = curve.cases[j] * 100000.0 / curve.personYears[j];
    }
    return curve;
}

/// The 18 data lines of a curve with c cases and p person-years in every group.
std::string dataLines(const std::string& line, int count = 18) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += line;
    }
    return text;
}

TEST(AnalysisFile, WritesTheTitleAndEighteenLines) {
    UserCurve curve;
    curve.title = "My curve";
    curve.cases[0] = 12.0;
    curve.personYears[0] = 45678.4;
    curve.rates[0] = 26.27047;
    curve.cases[17] = 3.5; // printed whole: "%.0f" rounds half to even
    const std::string expected = "My curve\n"
                                 "12 45678 26.270\n" +
                                 dataLines("0 0 0.000\n", 16) + "4 0 0.000\n";
    EXPECT_EQ(analysisFileText(curve), expected);
}

TEST(AnalysisFile, RoundTripsThroughAFile) {
    test::TempDir dir;
    const UserCurve curve = sampleCurve();
    ASSERT_TRUE(writeAnalysisFile(dir.file("cohort.sta"), curve).ok());
    const AnalysisFileRead read = readAnalysisFile(dir.file("cohort.sta"));
    ASSERT_TRUE(read.curve.has_value()) << read.result.message;
    EXPECT_EQ(read.curve->title, curve.title);
    EXPECT_EQ(read.curve->cases, curve.cases);
    // Person-years beyond single precision come back whole; rates to three decimals.
    EXPECT_EQ(read.curve->personYears, curve.personYears);
    for (std::size_t j = 0; j < curve.rates.size(); ++j) {
        EXPECT_NEAR(read.curve->rates[j], curve.rates[j], 0.0005) << j;
    }
}

TEST(AnalysisFile, AcceptsWindowsLineEndsAndCutsLongTitles) {
    const std::string title(300, 'x');
    const AnalysisFileRead read =
        parseAnalysisFile(title + "\r\n" + dataLines("7 1000 700.000\r\n"), "a.STA");
    ASSERT_TRUE(read.curve.has_value()) << read.result.message;
    EXPECT_EQ(read.curve->title, std::string(255, 'x'));
    EXPECT_EQ(read.curve->cases[17], 7.0);
    EXPECT_EQ(read.curve->personYears[0], 1000.0);
    EXPECT_EQ(read.curve->rates[9], 700.0);

    const AnalysisFileRead lastWithoutEnd =
        parseAnalysisFile("t\n" + dataLines("1 2 3\n", 17) + "4 5 6", "b.STA");
    ASSERT_TRUE(lastWithoutEnd.curve.has_value()) << lastWithoutEnd.result.message;
    EXPECT_EQ(lastWithoutEnd.curve->rates[17], 6.0);
}

TEST(AnalysisFile, ReportsShortAndMalformedFiles) {
    struct Case {
        std::string text;
        std::string error;
    };
    const std::string malformed =
        ": expected cases, person-years and rate (three numbers from 0 to 1e12)";
    const Case cases[] = {
        {"", "File 'x.STA' is empty"},
        {"t\n" + dataLines("1 2 3\n", 17), "File 'x.STA' holds only 17 of the 18 age-group lines"},
        {"t\n" + dataLines("1 2 3\n", 4) + "1 2\n" + dataLines("1 2 3\n", 13),
         "File 'x.STA', line 6" + malformed},
        {"t\n1 2 3 4\n" + dataLines("1 2 3\n", 17), "File 'x.STA', line 2" + malformed},
        {"t\nnan 2 3\n" + dataLines("1 2 3\n", 17), "File 'x.STA', line 2" + malformed},
    };
    std::vector<Case> all(std::begin(cases), std::end(cases));
    // Figures beyond any registry's, in the eighth age group.
    for (const char* line : {"1e308 1000 1", "5 1e300 1", "5 1000 1e13", "5 1000 -1"}) {
        all.push_back(
            {"t\n" + dataLines("5 1000 0.5\n", 7) + line + "\n" + dataLines("5 1000 0.5\n", 10),
             "File 'x.STA', line 9" + malformed});
    }
    for (const Case& c : all) {
        const AnalysisFileRead read = parseAnalysisFile(c.text, "x.STA");
        EXPECT_FALSE(read.curve.has_value()) << c.error;
        EXPECT_EQ(read.result.message, c.error);
    }
}

TEST(AnalysisFile, WritesOnlyStaFilesAndReportsWhatFails) {
    test::TempDir dir;
    const UserCurve curve = sampleCurve();
    EXPECT_TRUE(writeAnalysisFile(dir.file("MIXED.Sta"), curve).ok());
    const SaveResult unsupported = writeAnalysisFile(dir.file("curve.txt"), curve);
    EXPECT_EQ(unsupported.status, SaveStatus::UnsupportedFormat);
    EXPECT_EQ(unsupported.message, "File format not supported...");
    EXPECT_FALSE(std::filesystem::exists(dir.file("curve.txt")));

    const std::string missingFolder = dir.file("none/curve.STA");
    const SaveResult failed = writeAnalysisFile(missingFolder, curve);
    EXPECT_EQ(failed.status, SaveStatus::Failed);
    EXPECT_NE(failed.message.find(missingFolder), std::string::npos) << failed.message;

    const AnalysisFileRead read = readAnalysisFile(dir.file("absent.STA"));
    EXPECT_FALSE(read.curve.has_value());
    EXPECT_NE(read.result.message.find(dir.file("absent.STA")), std::string::npos)
        << read.result.message;
}

} // namespace
} // namespace orvelan
