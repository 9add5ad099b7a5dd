#include "core/data/CUserGroupDictionary.h"

#include "FullDisk.h"
#include "TempDir.h"
#include "TextLines.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvelan {
namespace {

using test::groupLine;
using test::TempDir;

const std::string kTag = "ORVELAN   ";

std::string name80(const std::string& name) { return name + std::string(80 - name.size(), ' '); }

struct DictionaryFile : ::testing::Test {
    TempDir dir;
    std::string path = dir.file("POPuser.dic");
    CUserGroupDictionary registries{GroupKind::Registry};
};

TEST_F(DictionaryFile, AppendWritesPaddedLinesAndReadsThemBack) {
    EXPECT_TRUE(registries.load(path).ok());
    EXPECT_EQ(registries.count(), 0);
    ASSERT_TRUE(registries.append("Nordic", {12, 40, 101}));
    ASSERT_TRUE(registries.append("Single", {0}));

    EXPECT_EQ(dir.read("POPuser.dic"),
              groupLine("Nordic", "012040101") + groupLine("Single", "000"));
    ASSERT_EQ(registries.count(), 2);
    EXPECT_EQ(registries.group(0).trimmedName(), "Nordic");
    EXPECT_EQ(registries.group(0).memberList(), (std::vector<int>{12, 40, 101}));
    EXPECT_EQ(registries.group(1).memberList(), (std::vector<int>{0}));
}

TEST_F(DictionaryFile, DeleteRenumbersTheGroupsAfterIt) {
    dir.write("POPuser.dic",
              groupLine("A", "001") + groupLine("B", "002003") + groupLine("C", "004"));
    EXPECT_TRUE(registries.load(path).ok());
    ASSERT_EQ(registries.count(), 3);

    ASSERT_TRUE(registries.remove(0));
    EXPECT_EQ(dir.read("POPuser.dic"), groupLine("B", "002003") + groupLine("C", "004"));
    ASSERT_EQ(registries.count(), 2);
    EXPECT_EQ(registries.group(0).trimmedName(), "B"); // formerly 273, now 272
    EXPECT_EQ(registries.group(1).trimmedName(), "C");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

    ASSERT_TRUE(registries.remove(1));
    ASSERT_TRUE(registries.remove(0));
    EXPECT_EQ(dir.read("POPuser.dic"), "");
    EXPECT_EQ(registries.count(), 0);
    EXPECT_FALSE(registries.remove(0));
}

TEST_F(DictionaryFile, FailedRewriteKeepsFileAndTable) {
    const std::string content = groupLine("A", "001") + groupLine("B", "002");
    dir.write("POPuser.dic", content);
    EXPECT_TRUE(registries.load(path).ok());
    {
        test::FullDisk full(16);
        const IoResult removed = registries.remove(0);
        EXPECT_EQ(removed.status, IoStatus::Failed);
        EXPECT_EQ(removed.file, path);
        const IoResult appended = registries.append("C", {3});
        EXPECT_EQ(appended.status, IoStatus::Failed); // a full disk is not a bad group
    }
    EXPECT_EQ(dir.read("POPuser.dic"), content);
    EXPECT_EQ(registries.count(), 2);
    EXPECT_EQ(registries.append("Bad", {229}).status, IoStatus::Refused);
    // A dictionary that cannot be read: HostileFiles.EveryReaderRefusesWhatIsNotARegularFile...
}

struct ReadCase {
    const char* what;
    std::string content;
    std::vector<std::string> names;
};

TEST(DictionaryReading, TakesOnlyCompleteLines) {
    const std::string a = groupLine("A", "001");
    const std::string b = groupLine("B", "002");
    std::string longLine = kTag + name80("Long") + "003-01" + std::string(1200, '9') + "\n";
    const std::vector<ReadCase> cases = {
        {"empty file", "", {}},
        {"last line without line end", a + b.substr(0, b.size() - 1), {"A"}},
        {"carriage returns", kTag + name80("A") + "001-01\r\n" + b, {"A", "B"}},
        {"over-long line skipped to its end", longLine + b, {"Long", "B"}},
        {"NUL byte inside a line",
         kTag + name80("N") + std::string(1, '\0') + "\n" + b,
         {"N", "B"}},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.write("POPuser.dic", c.content);
        CUserGroupDictionary registries(GroupKind::Registry);
        EXPECT_TRUE(registries.load(dir.file("POPuser.dic")).ok());
        std::vector<std::string> names;
        for (int k = 0; k < registries.count(); ++k) {
            names.push_back(registries.group(k).trimmedName());
        }
        EXPECT_EQ(names, c.names) << c.what;
    }
}

TEST(DictionaryReading, StopsAtTheGroupLimit) {
    for (auto [kind, limit] : {std::pair{GroupKind::Registry, 48}, {GroupKind::Cancer, 68}}) {
        TempDir dir;
        std::string content;
        for (int k = 0; k < limit + 3; ++k) {
            content += groupLine(std::string("G") + std::to_string(k), "001");
        }
        dir.write("user.dic", content);
        CUserGroupDictionary groups(kind);
        EXPECT_TRUE(groups.load(dir.file("user.dic")).ok());
        ASSERT_EQ(groups.count(), limit);
        EXPECT_EQ(groups.group(limit - 1).trimmedName(), "G" + std::to_string(limit - 1));
        EXPECT_FALSE(groups.append("One more", {2})); // would never be read back
        EXPECT_EQ(dir.read("user.dic"), content);
    }
}

TEST(DictionaryReading, MissingFileMeansNoGroupsAndAppendCreatesIt) {
    TempDir dir;
    CUserGroupDictionary cancers(GroupKind::Cancer);
    EXPECT_TRUE(cancers.load(dir.file("ICDuser.dic")).ok());
    EXPECT_EQ(cancers.count(), 0);
    ASSERT_TRUE(cancers.append("Mouth and tongue", {4, 7}));
    EXPECT_EQ(dir.read("ICDuser.dic"), groupLine("Mouth and tongue", "004007"));
}

TEST(DictionaryReading, CancerMembersEndAtTheDictionaryEnd) {
    TempDir dir;
    dir.write("ICDuser.dic", kTag + name80("X") + "034252117-01\n" + kTag + name80("Y") + "034\n");
    CUserGroupDictionary cancers(GroupKind::Cancer);
    EXPECT_TRUE(cancers.load(dir.file("ICDuser.dic")).ok());
    ASSERT_EQ(cancers.count(), 2);
    EXPECT_EQ(cancers.group(0).memberList(), (std::vector<int>{34}));
    EXPECT_EQ(cancers.group(0).members.size(), 252u);
    EXPECT_EQ(cancers.group(1).memberList(), (std::vector<int>{34})); // no terminator written
}

TEST(DictionaryAppend, RejectsWhatCannotBeReadBack) {
    TempDir dir;
    CUserGroupDictionary cancers(GroupKind::Cancer);
    EXPECT_FALSE(cancers.append("Never loaded", {1})); // no file named yet
    EXPECT_TRUE(cancers.load(dir.file("ICDuser.dic")).ok());
    EXPECT_FALSE(cancers.append("Bad", {252}));
    EXPECT_FALSE(cancers.append("Bad", {-1}));
    EXPECT_FALSE(cancers.append("Two\nlines", {1}));
    CUserGroupDictionary registries(GroupKind::Registry);
    EXPECT_TRUE(registries.load(dir.file("POPuser.dic")).ok());
    EXPECT_FALSE(registries.append("Bad", {229}));
    EXPECT_EQ(dir.read("ICDuser.dic") + dir.read("POPuser.dic"), "");
}

TEST(DictionaryAppend, StartsANewLineAfterAnUnterminatedLastLine) {
    TempDir dir;
    const std::string partial = kTag + name80("Partial") + "001-01";
    dir.write("POPuser.dic", groupLine("A", "002") + partial);
    CUserGroupDictionary registries(GroupKind::Registry);
    EXPECT_TRUE(registries.load(dir.file("POPuser.dic")).ok());
    ASSERT_EQ(registries.count(), 1);
    ASSERT_TRUE(registries.append("New", {3}));
    ASSERT_EQ(registries.count(), 3);
    EXPECT_EQ(registries.group(2).trimmedName(), "New");
    EXPECT_EQ(registries.group(2).memberList(), (std::vector<int>{3}));
}

TEST(DictionaryAppend, NameIsCutAtEightyCharacters) {
    UserGroup group;
    group.tag = "ORVELAN";
    group.name = std::string(90, 'n');
    group.members = {5, -1};
    EXPECT_EQ(CUserGroupDictionary::formatLine(group), kTag + std::string(80, 'n') + "005-01\n");
}

struct SexFlagCase {
    std::vector<int> members;
    char males;
    char females;
};

TEST(CancerGroupSexFlags, FollowTheMembers) {
    // 34 Stomach (both sexes), 117 Vulva and 119 Cervix (female), 153 Prostate (male).
    const std::vector<SexFlagCase> cases = {
        {{117, 119}, '0', '1'}, {{153}, '1', '0'},     {{34}, '1', '1'},
        {{117, 153}, '1', '1'}, {{34, 117}, '1', '1'}, {{}, '1', '0'},
    };
    TempDir dir;
    CUserGroupDictionary cancers(GroupKind::Cancer);
    EXPECT_TRUE(cancers.load(dir.file("ICDuser.dic")).ok());
    for (const auto& c : cases) {
        ASSERT_TRUE(cancers.append("G", c.members));
    }
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const UserGroup& group = cancers.group(static_cast<int>(k));
        EXPECT_EQ(group.malesFlag, cases[k].males) << k;
        EXPECT_EQ(group.femalesFlag, cases[k].females) << k;
    }
}

} // namespace
} // namespace orvelan
