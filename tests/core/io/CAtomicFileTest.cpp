#include "core/io/CAtomicFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace orvelan {
namespace {

TEST(CAtomicFile, TargetAppearsOnlyOnCommitAndNoTemporaryIsLeft) {
    test::TempDir dir;
    dir.write("out.txt", "old content\n");
    {
        CAtomicFile file(dir.file("out.txt"));
        ASSERT_TRUE(file.isOpen());
        file.print("%d,%s\n", 13, "new");
        EXPECT_EQ(dir.read("out.txt"), "old content\n");
        EXPECT_TRUE(file.commit().ok());
    }
    EXPECT_EQ(dir.read("out.txt"), "13,new\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(CAtomicFile, AbandonedWriteKeepsTheOldFile) {
    test::TempDir dir;
    dir.write("out.txt", "old content\n");
    {
        CAtomicFile file(dir.file("out.txt"));
        file.write("half of the new");
    }
    EXPECT_EQ(dir.read("out.txt"), "old content\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(CAtomicFile, UncreatableFileIsReportedByName) {
    test::TempDir dir;
    const IoResult result = CAtomicFile::writeWhole(dir.file("missing/out.log"), "text");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.file, dir.file("missing/out.log"));
    EXPECT_EQ(result.what, "cannot be created");
    EXPECT_EQ(result.reason, "No such file or directory");
    EXPECT_EQ(result.message, "File '" + result.file + "' cannot be created: " + result.reason);
}

} // namespace
} // namespace orvelan
