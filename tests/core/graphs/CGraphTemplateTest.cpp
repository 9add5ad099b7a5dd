#include "core/graphs/CGraphTemplate.h"

#include "TempDir.h"
#include "core/io/LittleEndian.h"

#include <gtest/gtest.h>

namespace orvelan {
namespace {

GraphSettings sampleSettings() {
    GraphSettings s;
    s.kind = GraphKind::BarChart;
    s.barChartType = BarChartType::Registry;
    s.cancer = 34;
    s.population = 12;
    s.ageFrom = 3;
    s.ageTo = 15;
    s.rateKind = RateKind::AsrEuropean;
    s.sex = Sex::Female;
    s.reserved1 = 7;
    s.reserved2 = -8;
    s.registries[5] = 5;
    s.registries[272] = 272;
    s.cancers[0] = 0;
    s.cancers[252] = 252;
    s.title = "Stomach in Europe";
    return s;
}

TEST(CGraphTemplate, FieldsSitAtTheirOffsetsInA2864ByteFile) {
    const auto bytes = CGraphTemplate::encode(sampleSettings(), 1, 1);
    ASSERT_EQ(bytes.size(), 2864u);
    // The block's ten words, then registry slots from 40 and cancer slots from 1324.
    // clang-format off
    const std::vector<std::pair<std::size_t, int>> expected = {
        {0, 1}, {4, 1}, {8, 34}, {12, 12}, {16, 3}, {20, 15}, {24, 2}, {28, 1}, {32, 7}, {36, -8},
        {40, -1}, {60, 5}, {40 + 4 * 272, 272},
        {1324, 0}, {1324 + 4 * 252, 252}, {1324 + 4 * 253, -1}};
    // clang-format on
    for (const auto& [offset, value] : expected) {
        EXPECT_EQ(readInt32(bytes, offset), value) << "offset " << offset;
    }
    EXPECT_EQ(bytes.substr(2608, 18), std::string("Stomach in Europe") + '\0');
}

TEST(CGraphTemplate, RoundTripRestoresTemplateFieldsAndKeepsTheRest) {
    test::TempDir dir;
    const auto path = dir.file("plot.gph"); // lower-case extension is accepted
    ASSERT_TRUE(CGraphTemplate::write(path, sampleSettings(), 1, 1));
    EXPECT_EQ(dir.read("plot.gph").size(), 2864u);

    GraphSettings loaded;
    loaded.sliceCount = 9;
    loaded.barIncidence = 0x123456;
    loaded.lineSymbol = 2;
    ASSERT_TRUE(CGraphTemplate::read(path, loaded, 1, 1));

    GraphSettings expected = sampleSettings();
    expected.sliceCount = 9;
    expected.barIncidence = 0x123456;
    expected.lineSymbol = 2;
    EXPECT_EQ(loaded, expected);
}

TEST(CGraphTemplate, CodesOutsideTheirNamedValuesReadAndWriteBackUnchanged) {
    std::string bytes = CGraphTemplate::encode(GraphSettings{}, 0, 0);
    const std::vector<std::pair<std::size_t, int>> words = {
        {0, 7}, {4, -3}, {24, 9}, {28, 5}, {32, 2147483647}, {36, -2147483647 - 1}};
    for (const auto& [offset, value] : words) {
        std::string word;
        appendInt32(word, value);
        bytes.replace(offset, 4, word);
    }
    GraphSettings loaded;
    ASSERT_TRUE(CGraphTemplate::decode(bytes, loaded, 0, 0));
    EXPECT_FALSE(isGraphKind(loaded.kind));
    EXPECT_FALSE(isRateKind(loaded.rateKind));
    EXPECT_FALSE(knownSex(loaded.sex).has_value());
    EXPECT_EQ(CGraphTemplate::encode(loaded, 0, 0), bytes);
}

TEST(CGraphTemplate, SlotsBeyondTheUserGroupsAreWrittenAndReadAsMinusOne) {
    GraphSettings s;
    for (int slot = 0; slot < kSelectionListSize; ++slot) {
        s.registries[static_cast<std::size_t>(slot)] = slot;
        s.cancers[static_cast<std::size_t>(slot)] = slot;
    }
    const auto bytes = CGraphTemplate::encode(s, 3, 3);
    for (int slot = 0; slot < kSelectionListSize; ++slot) {
        const auto registryOffset = 40 + 4 * static_cast<std::size_t>(slot);
        const auto cancerOffset = 1324 + 4 * static_cast<std::size_t>(slot);
        EXPECT_EQ(readInt32(bytes, registryOffset), slot < 275 ? slot : -1) << slot;
        EXPECT_EQ(readInt32(bytes, cancerOffset), slot < 255 ? slot : -1) << slot;
    }

    // Read back after two registry groups and all cancer groups were deleted.
    GraphSettings loaded;
    ASSERT_TRUE(CGraphTemplate::decode(bytes, loaded, 1, 0));
    EXPECT_EQ(loaded.registries[272], 272);
    EXPECT_EQ(loaded.registries[273], -1);
    EXPECT_EQ(loaded.cancers[251], 251);
    EXPECT_EQ(loaded.cancers[252], -1);
}

TEST(CGraphTemplate, TitleBufferHoldsAtMost255CharactersThenZeroThenDigitZero) {
    struct Case {
        std::size_t length;
        std::size_t kept;
    };
    for (const Case c : {Case{0, 0}, Case{10, 10}, Case{254, 254}, Case{255, 255}, Case{256, 255},
                         Case{400, 255}}) {
        GraphSettings s;
        s.title = std::string(c.length, 'T');
        const auto title = CGraphTemplate::encode(s, 0, 0).substr(2608);
        ASSERT_EQ(title.size(), 256u);
        EXPECT_EQ(title.substr(0, c.kept), std::string(c.kept, 'T')) << c.length;
        EXPECT_EQ(title[c.kept], '\0') << c.length;
        EXPECT_EQ(title.substr(c.kept + 1), std::string(255 - c.kept, '0')) << c.length;

        GraphSettings loaded;
        ASSERT_TRUE(CGraphTemplate::decode(CGraphTemplate::encode(s, 0, 0), loaded, 0, 0));
        EXPECT_EQ(loaded.title, std::string(c.kept, 'T'));
    }
}

TEST(CGraphTemplate, OtherExtensionsAreRefusedAndWriteNothing) {
    test::TempDir dir;
    const IoResult written = CGraphTemplate::write(dir.file("plot.txt"), sampleSettings(), 0, 0);
    EXPECT_EQ(written.status, IoStatus::UnsupportedFormat);
    EXPECT_EQ(written.message, "File format not supported...");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(CGraphTemplate, TypeNamesOfTheTemplateList) {
    const std::vector<std::pair<int, std::string>> cases = {
        {0, "Age-specific"},       {1, "Bar chart"},        {2, "Pie chart"},
        {3, "Population pyramid"}, {4, "Unknown kind (4)"}, {-1, "Unknown kind (-1)"}};
    for (const auto& [kind, name] : cases) {
        EXPECT_EQ(CGraphTemplate::typeName(kind), name) << kind;
    }
}

} // namespace
} // namespace orvelan
