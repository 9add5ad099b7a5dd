#include "core/reports/TextDocumentFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace orvelan {
namespace {

TEST(TextDocumentFile, ReadTurnsEveryLineEndIntoCrLf) {
    test::TempDir dir;
    struct Case {
        const char* bytes;
        const char* text;
    };
    for (const Case& c : {Case{"a\nb\n", "a\r\nb\r\n"}, Case{"a\r\nb", "a\r\nb"}, Case{"", ""},
                          Case{"\n\n", "\r\n\r\n"}, Case{"x\ry", "x\ry"}}) {
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

} // namespace
} // namespace orvelan
