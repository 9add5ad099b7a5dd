#include "core/reports/CTextGrid.h"

#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace orvelan {
namespace {

CTextGrid sample() {
    CTextGrid g(3, 3);
    const char* texts[3][3] = {
        {"Crude rate (All ages)", "Stomach-Male", "Vulva"},
        {"Algiers", "     0.56", "N.A."},
        {"Concordia, with a long name", "    12.00", "     0.00 [0.00,0.00]"}};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            g.setText(r, c, texts[r][c]);
        }
    }
    return g;
}

TEST(TextGrid, TabDelimitedEndsEveryLineWithATab) {
    EXPECT_EQ(sample().toTabDelimited(),
              "Crude rate (All ages)\tStomach-Male\tVulva\t\n"
              "Algiers\t     0.56\tN.A.\t\n"
              "Concordia, with a long name\t    12.00\t     0.00 [0.00,0.00]\t\n");
}

TEST(TextGrid, FormattedColumnsAreOneWiderThanTheirLongestText) {
    // label column 27 + 1 left-aligned; value columns 21 + 1 right-aligned
    EXPECT_EQ(sample().toFormatted(),
              "Crude rate (All ages)                 Stomach-Male                 Vulva\n"
              "Algiers                                       0.56                  N.A.\n"
              "Concordia, with a long name                  12.00      0.00 [0.00,0.00]\n");
}

TEST(TextGrid, AlignmentFollowsThePlaceOfTheCell) {
    const CTextGrid g = sample();
    EXPECT_EQ(g.alignment(0, 0), CellAlignment::HeaderWrap);
    EXPECT_EQ(g.alignment(0, 2), CellAlignment::HeaderWrap);
    EXPECT_EQ(g.alignment(2, 0), CellAlignment::LabelLeft);
    EXPECT_EQ(g.alignment(1, 1), CellAlignment::ValueCentered);
}

TEST(TextGrid, SaveChoosesTheFormatByTheEnding) {
    test::TempDir dir;
    const CTextGrid g = sample();
    struct Case {
        std::string name;
        SaveStatus status;
        std::string content;
    };
    const Case cases[] = {
        {"a.txt", SaveStatus::Ok, g.toTabDelimited()},
        {"b.TXT", SaveStatus::Ok, g.toTabDelimited()},
        {"c.Prn", SaveStatus::Ok, g.toFormatted()},
        {"d.csv", SaveStatus::UnsupportedFormat, ""},
        {"prn", SaveStatus::UnsupportedFormat, ""},
    };
    for (const Case& c : cases) {
        const SaveResult result = g.save(dir.file(c.name));
        EXPECT_EQ(result.status, c.status) << c.name;
        EXPECT_EQ(dir.read(c.name), c.content) << c.name;
        if (c.status == SaveStatus::UnsupportedFormat) {
            EXPECT_EQ(result.message, "File format not supported...");
            EXPECT_FALSE(std::filesystem::exists(dir.file(c.name)));
        }
    }
}

TEST(TextGrid, FailedSaveNamesTheFileAndLeavesNothingBehind) {
    test::TempDir dir;
    const std::string path = dir.file("missing/table.txt");
    const SaveResult result = sample().save(path);
    EXPECT_EQ(result.status, SaveStatus::Failed);
    EXPECT_NE(result.message.find(path), std::string::npos);

    // a folder in the way: the rename fails and no temporary file is left beside it
    std::filesystem::create_directory(dir.file("taken.prn"));
    dir.write("taken.prn/inside", "kept\n");
    EXPECT_EQ(sample().save(dir.file("taken.prn")).status, SaveStatus::Failed);
    EXPECT_EQ(dir.read("taken.prn/inside"), "kept\n");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"taken.prn"});
}

} // namespace
} // namespace orvelan
