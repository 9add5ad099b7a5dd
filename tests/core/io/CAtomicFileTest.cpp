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
        EXPECT_FALSE(file.commit());
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
    const auto error = CAtomicFile::writeWhole(dir.file("missing/out.log"), "text");
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("missing/out.log"), std::string::npos) << *error;
}

} // namespace
} // namespace orvelan
