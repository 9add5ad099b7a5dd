#include "core/io/CAtomicFile.h"

#include "TempDir.h"
#include "core/io/TextFile.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace orvelan {
namespace {

// An abandoned write keeps the old file; a committed one replaces it only at the commit.
TEST(CAtomicFile, TargetAppearsOnlyOnCommitAndNoTemporaryIsLeft) {
    test::TempDir dir;
    dir.write("out.txt", "old content\n");
    CAtomicFile(dir.file("out.txt")).write("half of the new");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"out.txt"});
    {
        CAtomicFile file(dir.file("out.txt"));
        ASSERT_TRUE(file.isOpen());
        file.print("%d,%s\n", 13, "new");
        EXPECT_EQ(dir.read("out.txt"), "old content\n");
        EXPECT_TRUE(file.commit().ok());
    }
    EXPECT_EQ(dir.read("out.txt"), "13,new\n");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"out.txt"});
}

// A batch is written with the files closed as they are done and one sync for the group: every
// target holds its content, old ones are replaced, and no temporary or backup name is left.
TEST(CAtomicFile, ManyFilesCommitTogetherWithNothingLeftOver) {
    test::TempDir dir;
    dir.write("file-3.txt", "old\n");
    std::vector<std::pair<std::string, std::string>> files;
    for (int i = 0; i < 300; ++i) {
        files.emplace_back(dir.file("file-" + std::to_string(i) + ".txt"),
                           "content " + std::to_string(i) + "\n");
    }
    ASSERT_TRUE(writeFilesTogether(files).ok());
    for (int i = 0; i < 300; ++i) {
        EXPECT_EQ(dir.read("file-" + std::to_string(i) + ".txt"),
                  "content " + std::to_string(i) + "\n");
    }
    EXPECT_EQ(dir.names().size(), 300u);
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

// What a replaced file was stays: its permission bits, a symbolic link as a link (the bytes go
// to its target, alone or in a batch), and a name too long for a suffix still writes.
TEST(CAtomicFile, ReplacedFileKeepsItsModeItsLinkAndItsLongName) {
    namespace fs = std::filesystem;
    test::TempDir dir;
    dir.write("private.txt", "old\n");
    fs::permissions(dir.file("private.txt"), fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(CAtomicFile::writeWhole(dir.file("private.txt"), "new\n").ok());
    EXPECT_EQ(fs::status(dir.file("private.txt")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    fs::create_directory(dir.file("real"));
    dir.write("real/table.txt", "old\n");
    fs::create_symlink("real/table.txt", dir.file("link.txt"));
    ASSERT_TRUE(CAtomicFile::writeWhole(dir.file("link.txt"), "through\n").ok());
    EXPECT_TRUE(fs::is_symlink(dir.file("link.txt")));
    EXPECT_EQ(dir.read("real/table.txt"), "through\n");
    CAtomicFile first(dir.file("link.txt"));
    CAtomicFile second(dir.file("second.txt"));
    first.write("batch\n");
    second.write("two\n");
    ASSERT_TRUE(CAtomicFile::commitTogether({&first, &second}).ok());
    EXPECT_TRUE(fs::is_symlink(dir.file("link.txt")));
    EXPECT_EQ(dir.read("real/table.txt"), "batch\n");

    for (const std::size_t length : {246u, 255u}) {
        const std::string name = std::string(length - 4, 'n') + ".txt";
        const IoResult written = CAtomicFile::writeWhole(dir.file(name), "long\n");
        EXPECT_TRUE(written.ok()) << length << ": " << written.message;
        EXPECT_EQ(dir.read(name), "long\n");
    }
    EXPECT_EQ(dir.names().size(), 6u);
}

// A writer stopped by SIGINT or SIGTERM still ends by that signal, and leaves no temporary;
// one that a harder kill left behind is removed by the next writer of the same target, while
// a live process's temporary and another target's are kept.
TEST(CAtomicFile, SignalsAndTheNextWriterLeaveNoTemporary) {
    namespace fs = std::filesystem;
    test::TempDir dir;
    dir.write("out.txt", "old\n");
    pid_t lastChild = 0;
    for (const int signal : {SIGINT, SIGTERM}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            CAtomicFile::removeTemporariesOnSignals();
            CAtomicFile file(dir.file("out.txt"));
            file.write(std::string(100000, 'x'));
            ::raise(signal);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        lastChild = child;
    }
    EXPECT_EQ(dir.read("out.txt"), "old\n");
    EXPECT_EQ(dir.names().size(), 1u);

    const std::string dead = "out.txt.tmp-" + std::to_string(lastChild) + "-3";
    const std::string alive = "out.txt.tmp-" + std::to_string(::getppid()) + "-0";
    const std::string other = "other.txt.tmp-" + std::to_string(lastChild) + "-0";
    for (const std::string& name : {dead, alive, other}) {
        dir.write(name, "left\n");
    }
    ASSERT_TRUE(CAtomicFile::writeWhole(dir.file("out.txt"), "new\n").ok());
    EXPECT_FALSE(fs::exists(dir.file(dead)));
    EXPECT_TRUE(fs::exists(dir.file(alive)));
    EXPECT_TRUE(fs::exists(dir.file(other)));
}

} // namespace
} // namespace orvelan
