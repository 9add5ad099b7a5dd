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
        EXPECT_TRUE(readTextDocument(dir.file("t.prn"), text));
        EXPECT_EQ(text, c.text) << c.bytes;
    }
}

TEST(TextDocumentFile, ReadFailuresNameTheFile) {
    test::TempDir dir;
    std::string text;
    const IoResult missing = readTextDocument(dir.file("gone.prn"), text);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.file, dir.file("gone.prn"));
    const IoResult folder = readTextDocument(dir.str(), text);
    ASSERT_FALSE(folder);
    EXPECT_EQ(folder.message, "File '" + dir.str() + "' cannot be read: it is a folder");
}

} // namespace
} // namespace orvelan
