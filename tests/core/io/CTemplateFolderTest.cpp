#include "core/io/CTemplateFolder.h"

#include "TempDir.h"
#include "core/graphs/CGraphTemplate.h"
#include "core/reports/CReportTemplate.h"

#include <gtest/gtest.h>
#include <regex>
#include <utime.h>

namespace orvelan {
namespace {

std::tm date(int year, int month, int day, int hour, int minute) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_isdst = -1;
    std::mktime(&t); // fills the weekday
    return t;
}

TEST(CTemplateFolder, FileTimesReadWeekdayDayMonthYearHourMinute) {
    const std::vector<std::pair<std::tm, std::string>> cases = {
        {date(2003, 1, 5, 9, 7), "Sunday 05 January 2003-09:07"},
        {date(2026, 12, 31, 23, 59), "Thursday 31 December 2026-23:59"},
        {date(1999, 6, 14, 0, 0), "Monday 14 June 1999-00:00"},
    };
    for (const auto& [time, text] : cases) {
        EXPECT_EQ(CTemplateFolder::formatTime(time), text);
    }
}

TEST(CTemplateFolder, ExtensionsMatchWithoutRegardToCase) {
    EXPECT_TRUE(CTemplateFolder::hasExtension("a/b/plot.gph", ".GPH"));
    EXPECT_TRUE(CTemplateFolder::hasExtension("PLOT.GpH", ".GPH"));
    EXPECT_TRUE(CTemplateFolder::hasExtension(".RPT", ".RPT"));
    EXPECT_FALSE(CTemplateFolder::hasExtension("plot.txt", ".GPH"));
    EXPECT_FALSE(CTemplateFolder::hasExtension("plotGPH", ".GPH"));
    EXPECT_FALSE(CTemplateFolder::hasExtension("GPH", ".GPH"));
}

TEST(CTemplateFolder, ListsOneRowPerReadableTemplateOfTheKind) {
    test::TempDir dir;
    ReportChoices summary;
    ReportChoices report;
    report.block.reportKind = 2;
    ASSERT_FALSE(CReportTemplate::write(dir.file("Nordic.RPT"), summary, 0, 0));
    ASSERT_FALSE(CReportTemplate::write(dir.file("lung.rpt"), report, 0, 0));
    dir.write("broken.RPT", "xy"); // too short to hold a kind: no row
    dir.write("notes.txt", "not a template");
    ASSERT_FALSE(CGraphTemplate::write(dir.file("curves.GPH"), GraphSettings{}, 0, 0));

    // A known last-write time, so that "Modified" can be checked exactly.
    std::tm when = date(2003, 1, 5, 9, 7);
    const std::time_t written = std::mktime(&when);
    const utimbuf times{written, written};
    ASSERT_EQ(::utime(dir.file("Nordic.RPT").c_str(), &times), 0);

    const auto rows = CTemplateFolder::list(dir.str(), ".RPT", &CReportTemplate::typeName);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, "Nordic");
    EXPECT_EQ(rows[0].type, "Summary rate");
    EXPECT_EQ(rows[0].modified, "Sunday 05 January 2003-09:07");
    EXPECT_EQ(rows[1].name, "lung");
    EXPECT_EQ(rows[1].type, "Report");
    EXPECT_EQ(rows[1].kind, 2);
    const std::regex shape("[A-Z][a-z]+day \\d{2} [A-Z][a-z]+ \\d{4}-\\d{2}:\\d{2}");
    for (const auto& row : rows) {
        EXPECT_TRUE(std::regex_match(row.created, shape)) << row.created;
    }

    EXPECT_TRUE(CTemplateFolder::hasAny(dir.str(), ".GPH"));
    EXPECT_FALSE(CTemplateFolder::hasAny(dir.str(), ".STA"));
    EXPECT_TRUE(
        CTemplateFolder::list(dir.file("missing"), ".RPT", &CReportTemplate::typeName).empty());
}

} // namespace
} // namespace orvelan
