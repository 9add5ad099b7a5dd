#include "TempDir.h"
#include "reports/TextDocumentFile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvelan {
namespace {

TEST(TextDocumentFile, ReadTurnsEveryLineEndIntoCrLf) {
    test::TempDir dir;
    struct Case {
        const char* bytes;
        const char* text;
    };
    for (const Case& c : {Case{"a\nb\n", "a\r\nb\r\n"}, Case{"a\r\nb", "a\r\nb"},
                          Case{"", ""}, Case{"\n\n", "\r\n\r\n"}, Case{"x\ry", "x\ry"}}) {
        dir.write("t.prn", c.bytes);
        std::string text = "old";
        EXPECT_FALSE(readTextDocument(dir.file("t.prn"), text).has_value());
        EXPECT_EQ(text, c.text) << c.bytes;
    }
}

TEST(TextDocumentFile, ReadFailuresNameTheFile) {
    test::TempDir dir;
    std::string text;
    const auto missing = readTextDocument(dir.file("gone.prn"), text);
    ASSERT_TRUE(missing.has_value());
    EXPECT_NE(missing->find("gone.prn"), std::string::npos);
    EXPECT_TRUE(readTextDocument(dir.str(), text).has_value());
}

TEST(TextDocumentFile, WriteUsesNewlineEndsAndLeavesNoTemporary) {
    test::TempDir dir;
    ASSERT_FALSE(writeTextDocument(dir.file("o.prn"), "Title\r\n  1  2\r\nend").has_value());
    EXPECT_EQ(dir.read("o.prn"), "Title\n  1  2\nend");
    EXPECT_FALSE(std::filesystem::exists(dir.file("o.prn.tmp")));
    EXPECT_TRUE(writeTextDocument(dir.file("missing/o.prn"), "x").has_value());
}

TEST(TextDocumentFile, ExtensionIgnoresCase) {
    EXPECT_TRUE(endsWithExtension("a.prn", ".PRN"));
    EXPECT_TRUE(endsWithExtension("A.PrN", ".prn"));
    EXPECT_FALSE(endsWithExtension("a.txt", ".PRN"));
    EXPECT_FALSE(endsWithExtension("prn", ".PRN"));
    EXPECT_FALSE(endsWithExtension("a.prn.bak", ".PRN"));
}

} // namespace
} // namespace orvelan
