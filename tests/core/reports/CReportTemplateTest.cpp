#include "core/reports/CReportTemplate.h"

#include "TempDir.h"
#include "core/io/LittleEndian.h"

#include <gtest/gtest.h>

namespace orvelan {
namespace {

ReportChoices sampleChoices() {
    ReportChoices c;
    c.block = ReportBlock::fromArray({2, 1, 1, 34, 12, 3, 12, 4, 2, 1, 1});
    c.registries[2] = 2;
    c.registries[272] = 272;
    c.registries[273] = 273;
    c.cancers[34] = 34;
    c.cancers[252] = 252;
    c.title = "kept apart from the file";
    return c;
}

TEST(CReportTemplate, BlockAndListsSitAtTheirOffsetsInA2612ByteFile) {
    const auto bytes = CReportTemplate::encode(sampleChoices(), 2, 1);
    ASSERT_EQ(bytes.size(), 2612u);
    const std::array<int, 11> block = {2, 1, 1, 34, 12, 3, 12, 4, 2, 1, 1};
    for (std::size_t i = 0; i < block.size(); ++i) {
        EXPECT_EQ(readInt32(bytes, 4 * i), block[i]) << "field " << i;
    }
    EXPECT_EQ(readInt32(bytes, 44), -1);
    EXPECT_EQ(readInt32(bytes, 44 + 8), 2);
    EXPECT_EQ(readInt32(bytes, 44 + 4 * 273), 273);
    EXPECT_EQ(readInt32(bytes, 1328 + 4 * 34), 34);
    EXPECT_EQ(readInt32(bytes, 1328 + 4 * 252), 252);
    EXPECT_EQ(readInt32(bytes, 2608), -1);
}

TEST(CReportTemplate, RoundTripThroughAFileKeepsTheTitle) {
    test::TempDir dir;
    ASSERT_TRUE(CReportTemplate::write(dir.file("nordic.rpt"), sampleChoices(), 2, 1));
    EXPECT_EQ(dir.read("nordic.rpt").size(), 2612u);

    ReportChoices loaded;
    loaded.title = "current title";
    ASSERT_TRUE(CReportTemplate::read(dir.file("nordic.rpt"), loaded, 2, 1));
    ReportChoices expected = sampleChoices();
    expected.title = "current title";
    EXPECT_EQ(loaded, expected);
}

TEST(CReportTemplate, SlotsAreBoundedByTheGroupsThatExist) {
    ReportChoices c;
    for (int slot = 0; slot < kSelectionListSize; ++slot) {
        c.registries[static_cast<std::size_t>(slot)] = slot;
        c.cancers[static_cast<std::size_t>(slot)] = slot;
    }
    const auto bytes = CReportTemplate::encode(c, 3, 3);
    for (int slot = 0; slot < kSelectionListSize; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        EXPECT_EQ(readInt32(bytes, 44 + 4 * s), slot < 275 ? slot : -1) << slot;
        EXPECT_EQ(readInt32(bytes, 1328 + 4 * s), slot < 255 ? slot : -1) << slot;
    }

    // A file holding every slot, read while only one group of each kind exists.
    std::string full = bytes;
    for (int slot = 275; slot < kSelectionListSize; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        full.replace(
            44 + 4 * s, 4,
            std::string{static_cast<char>(slot & 0xFF), static_cast<char>(slot >> 8), 0, 0});
    }
    ReportChoices loaded;
    ASSERT_TRUE(CReportTemplate::decode(full, loaded, 1, 1));
    EXPECT_EQ(loaded.registries[272], 272);
    EXPECT_EQ(loaded.registries[273], -1);
    EXPECT_EQ(loaded.registries[300], -1);
    EXPECT_EQ(loaded.cancers[252], 252);
    EXPECT_EQ(loaded.cancers[253], -1);
}

TEST(CReportTemplate, WritingRefusesOtherExtensionsAndReportsUnwritableFolders) {
    test::TempDir dir;
    const IoResult refused = CReportTemplate::write(dir.file("report.txt"), sampleChoices(), 0, 0);
    EXPECT_EQ(refused.status, IoStatus::UnsupportedFormat);
    EXPECT_EQ(refused.message, "File format not supported...");
    const IoResult failed =
        CReportTemplate::write(dir.file("no/such/folder/r.RPT"), sampleChoices(), 0, 0);
    ASSERT_EQ(failed.status, IoStatus::Failed);
    EXPECT_NE(failed.message.find("r.RPT"), std::string::npos) << failed.message;
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(CReportTemplate, TypeNamesOfTheTemplateList) {
    const std::vector<std::pair<int, std::string>> cases = {
        {0, "Summary rate"}, {1, "Age-specific"}, {2, "Report"}, {5, "Report"}, {-3, "Report"}};
    for (const auto& [kind, name] : cases) {
        EXPECT_EQ(CReportTemplate::typeName(kind), name) << kind;
    }
}

TEST(ReportBlock, StartsWithWholeAgeRangeWorldAsrAndEmptyLists) {
    const ReportChoices c;
    EXPECT_EQ(c.block.toArray(), (std::array<std::int32_t, 11>{0, 0, 0, 0, 0, 0, 17, 1, 0, 0, 0}));
    EXPECT_EQ(c.registries, emptySelectionList());
    EXPECT_EQ(c.cancers, emptySelectionList());
}

TEST(ReportBlock, SexBoxesGiveFieldsEightToTen) {
    const struct {
        bool male;
        bool female;
        std::int32_t femaleMark;
        std::array<std::int32_t, 3> fields; // sexes, male, female
    } cases[] = {
        {true, false, 1, {0, 1, 0}}, {false, true, 1, {1, 0, 1}}, {true, true, 1, {2, 1, 1}},
        {true, true, 2, {2, 1, 2}},  {false, true, 2, {1, 0, 2}}, // the summary page marks 2
    };
    for (const auto& c : cases) {
        ReportBlock b;
        b.setSexes(c.male, c.female, c.femaleMark);
        EXPECT_EQ((std::array<std::int32_t, 3>{b.sexes, b.male, b.female}), c.fields)
            << c.male << c.female << c.femaleMark;
    }
}

} // namespace
} // namespace orvelan
