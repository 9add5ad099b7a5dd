#include "TempDir.h"
#include "core/app/AppSettings.h"
#include "core/app/CRecentFileList.h"
#include "core/io/CIniFile.h"
#include "core/io/Colour.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvelan {
namespace {

TEST(ColourString, RoundTripsThroughNineDigits) {
    struct Case {
        int r, g, b;
        const char* text;
    };
    for (const Case& c : {Case{255, 255, 255, "255255255"}, Case{0, 0, 0, "000000000"},
                          Case{0, 0, 255, "000000255"}, Case{1, 20, 128, "001020128"}}) {
        const ColourValue value = colourValue(c.r, c.g, c.b);
        EXPECT_EQ(value, static_cast<ColourValue>(c.r + 256 * c.g + 65536 * c.b));
        EXPECT_EQ(formatColour(value), c.text);
        EXPECT_EQ(parseColour(c.text), value) << c.text;
    }
}

TEST(ColourString, ReadsLikeThreeWidthThreeNumbersAndRefusesBadText) {
    // Blanks before a number are skipped as "%3d" does; widths cut the digits into threes.
    EXPECT_EQ(parseColour("  1  2  3"), colourValue(1, 2, 3));
    EXPECT_EQ(parseColour("10 20 30"), colourValue(10, 20, 30));
    for (const char* text : {"123456078", "", "abc", "255255", "256000000", "000-01000", "12"}) {
        EXPECT_FALSE(parseColour(text).has_value()) << text;
    }
}

TEST(IniFile, ParsesSectionsAndKeysWithoutRegardToCaseAndLeadingIntegers) {
    CIniFile ini;
    ini.parse("; comment\r\n[Age]\r\nBkColour = 001002003 \r\n[bar]\nIncidence=000000255\n"
              "[Pie]\nA=7\nB=12abc\nC=abc\nD=-3\nE=99999999999\n");
    EXPECT_EQ(ini.value("AGE", "bkcolour"), "001002003");
    EXPECT_EQ(ini.string("Bar", "Incidence", "x"), "000000255");
    EXPECT_EQ(ini.string("Bar", "Missing", "x"), "x");
    EXPECT_FALSE(ini.value("Nope", "BkColour").has_value());
    EXPECT_EQ(ini.integer("Pie", "A", 5), 7);
    EXPECT_EQ(ini.integer("Pie", "B", 5), 12);
    EXPECT_EQ(ini.integer("Pie", "C", 5), 5);
    EXPECT_EQ(ini.integer("Pie", "D", 5), -3);
    EXPECT_EQ(ini.integer("Pie", "E", 5), 5);
    EXPECT_EQ(ini.integer("Pie", "F", 5), 5);
}

TEST(IniFile, UpdatesInPlaceAndAppendsNewKeys) {
    CIniFile ini;
    ini.parse("[Age]\n; keep me\nBkColour=1\n\n[Other]\nX=y\n");
    ini.setString("age", "BkColour", "2");
    ini.setString("Age", "TextColour", "3");
    ini.setString("New", "Key", "v");
    EXPECT_EQ(ini.text(), "[Age]\n; keep me\nBkColour=2\nTextColour=3\n\n[Other]\nX=y\n"
                          "[New]\nKey=v\n");

    // A section removed and written again comes back at the end.
    ini.parse("[Recent File List]\nFile1=a\n[Age]\nBkColour=1\n");
    ini.removeSection("recent file list");
    ini.setString("Recent File List", "File1", "b");
    EXPECT_EQ(ini.text(), "[Age]\nBkColour=1\n[Recent File List]\nFile1=b\n");
}

TEST(IniFile, MissingFileIsEmptyAndSaveRoundTrips) {
    test::TempDir dir;
    CIniFile ini;
    ASSERT_TRUE(ini.load(dir.file("absent.ini")).ok());
    EXPECT_TRUE(ini.sectionNames().empty());
    ini.setString("S", "K", "V");
    const IoResult saved = ini.save(dir.file("a.ini"));
    ASSERT_TRUE(saved.ok()) << saved.message;
    EXPECT_EQ(dir.read("a.ini"), "[S]\nK=V\n");
    EXPECT_EQ(dir.names().size(), 1u);
    CIniFile again;
    ASSERT_TRUE(again.load(dir.file("a.ini")).ok());
    EXPECT_EQ(again.value("s", "k"), "V");
}

TEST(IniFile, SaveIntoAMissingFolderFailsNamingTheFile) {
    test::TempDir dir;
    CIniFile ini;
    ini.setString("S", "K", "V");
    const IoResult saved = ini.save(dir.file("no/such/folder/x.ini"));
    EXPECT_FALSE(saved.ok());
    EXPECT_EQ(saved.file, dir.file("no/such/folder/x.ini"));

    // A settings file that cannot be read is a failure, not an empty profile.
    dir.write("s.ini", "[S]\nK=old\n");
    std::filesystem::create_directory(dir.file("folder.ini"));
    CIniFile kept;
    kept.setString("S", "K", "kept");
    const IoResult read = kept.load(dir.file("folder.ini"));
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.file, dir.file("folder.ini"));
    EXPECT_EQ(kept.value("S", "K"), "kept");
}

TEST(AppSettingsFile, FreshFileIsWrittenInItsOrder) {
    CIniFile ini;
    AppSettings settings;
    settings.pieText = colourValue(1, 2, 3);
    settings.pieSlices = 8;
    writeAppSettings(settings, ini);
    EXPECT_EQ(ini.text(), "[Age]\n"
                          "BkColour=255255255\n"
                          "TextColour=000000000\n"
                          "[Bar]\n"
                          "BkColour=255255255\n"
                          "TextColour=000000000\n"
                          "Incidence=000000255\n"
                          "[Pie]\n"
                          "BkColour=255255255\n"
                          "TextColour=001002003\n"
                          "NumberOfSlices=8\n"
                          "[Pop]\n"
                          "BkColour=255255255\n"
                          "TextColour=000000000\n");
    EXPECT_EQ(readAppSettings(ini), settings);
}

TEST(AppSettingsFile, BadValuesKeepTheirDefaults) {
    CIniFile ini;
    ini.parse("[Bar]\nIncidence=blue\nBkColour=300000000\nTextColour=010020030\n"
              "[Pie]\nNumberOfSlices=0\n");
    const AppSettings settings = readAppSettings(ini);
    EXPECT_EQ(settings.barIncidence, kBlue);
    EXPECT_EQ(settings.barBackground, kWhite);
    EXPECT_EQ(settings.barText, colourValue(10, 20, 30));
    EXPECT_EQ(settings.pieSlices, 5);
}

TEST(AppSettingsFile, TravelWithTheGraphChoices) {
    EXPECT_EQ(settingsOfGraph(GraphSettings{}), AppSettings{});
    AppSettings settings;
    settings.barIncidence = colourValue(200, 0, 0);
    settings.popText = colourValue(0, 90, 0);
    settings.pieSlices = 9;
    GraphSettings graph;
    applySettingsToGraph(settings, graph);
    EXPECT_EQ(graph.barIncidence, colourValue(200, 0, 0));
    EXPECT_EQ(graph.sliceCount, 9);
    EXPECT_EQ(settingsOfGraph(graph), settings);
}

TEST(RecentFiles, KeepsTenNewestFirstEachOnce) {
    CRecentFileList list(10);
    for (int i = 1; i <= 12; ++i) {
        list.add("/f" + std::to_string(i));
    }
    list.add("/f5");
    ASSERT_EQ(list.paths().size(), 10u);
    EXPECT_EQ(list.paths().front(), "/f5");
    EXPECT_EQ(list.paths()[1], "/f12");
    EXPECT_EQ(list.paths().back(), "/f3");
    list.remove("/f12");
    EXPECT_EQ(list.paths()[1], "/f11");
}

TEST(RecentFiles, SectionRoundTripSkipsEmptyEntries) {
    CIniFile ini;
    ini.parse("[Recent File List]\nFile1=/a.prn\nFile2=\nFile3=/b.prn\nFile11=/c.prn\n");
    EXPECT_EQ(readRecentFiles(ini), (std::vector<std::string>{"/a.prn", "/b.prn"}));
    writeRecentFiles({"/x", "/y"}, ini);
    EXPECT_EQ(ini.text(), "[Recent File List]\nFile1=/x\nFile2=/y\n");
    writePreviewPages(0, ini);
    EXPECT_EQ(readPreviewPages(ini), 0);
    writePreviewPages(2, ini);
    EXPECT_EQ(ini.text(), "[Recent File List]\nFile1=/x\nFile2=/y\n[Settings]\nPreviewPages=2\n");
}

} // namespace
} // namespace orvelan
