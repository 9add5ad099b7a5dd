#include "core/analysis/CurveTable.h"

#include <gtest/gtest.h>
#include <string>

namespace orvelan {
namespace {

/// 18 rows "cases<sep>person-years" with cases = group and person-years = 1000 + group.
std::string table(const std::string& separator, const std::string& head = {},
                  const std::string& lineEnd = "\n") {
    std::string text = head;
    for (int group = 0; group < 18; ++group) {
        text += std::to_string(group) + separator + std::to_string(1000 + group) + lineEnd;
    }
    return text;
}

TEST(CurveTable, ReadsWhatSpreadsheetsCopyAndSave) {
    for (const std::string& text :
         {table("\t"), table(",", "Cases,Person-years\n"), table(";", "", "\r\n"),
          table("  ", "cases person-years\n\n"), table(",", "\"Cases\",\"PY\"\n")}) {
        const CurveTableRead read = parseCurveTable(text);
        ASSERT_TRUE(read.rows) << read.message << "\n" << text;
        EXPECT_EQ(read.rows->cases[17], 17.0);
        EXPECT_EQ(read.rows->personYears[0], 1000.0);
    }
    // An age column before the numbers, and decimal commas between semicolons.
    std::string labelled = "Age;Cases;Person-years\n";
    for (int group = 0; group < 18; ++group) {
        labelled +=
            (group == 17 ? std::string("85+")
                         : std::to_string(group * 5) + "-" + std::to_string(group * 5 + 4)) +
            ";2,5;" + std::to_string(1000 + group) + "\n";
    }
    const CurveTableRead read = parseCurveTable(labelled);
    ASSERT_TRUE(read.rows) << read.message;
    EXPECT_EQ(read.rows->cases[3], 2.5);
    EXPECT_EQ(read.rows->personYears[17], 1017.0);
}

TEST(CurveTable, RefusesABadTableNamingTheRow) {
    EXPECT_EQ(parseCurveTable("1\t2\n").message,
              "The table has 1 rows of numbers; 18 are needed, one for each age group 0-4 ... "
              "85+.");
    std::string text = table("\t", "Cases\tPY\n");
    EXPECT_FALSE(parseCurveTable(text + "5\t6\n").rows); // 19 rows
    const auto withRow4 = [&](const std::string& row) {
        std::string changed = table("\t");
        const auto at = changed.find("3\t1003");
        return parseCurveTable(changed.replace(at, 6, row)).message;
    };
    EXPECT_EQ(withRow4("3\tmany"), "Row 4: \"many\" is not a number.");
    EXPECT_EQ(withRow4("3"), "Row 4: two numbers are needed, cases and person-years.");
    EXPECT_EQ(withRow4("-3\t1003"), "Row 4: \"-3\": numbers must be finite and not negative.");
    EXPECT_EQ(withRow4("3\tinf"), "Row 4: \"inf\": numbers must be finite and not negative.");
    EXPECT_EQ(withRow4("3\t1e999"), "Row 4: \"1e999\": numbers must be finite and not negative.");
    // Text in the first row's number cell is not a header: the header has no number.
    EXPECT_EQ(parseCurveTable("abc\t5\n" + table("\t")).message, "Row 1: \"abc\" is not a number.");
}

} // namespace
} // namespace orvelan
