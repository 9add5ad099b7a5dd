#include "core/graphs/AxisTicks.h"
#include "core/graphs/GraphLook.h"
#include "core/graphs/PublicationPalette.h"
#include "core/io/CIniFile.h"

#include <gtest/gtest.h>
#include <set>
#include <tuple>

namespace orvelan {
namespace {

std::vector<std::string> labelsOf(const TickAxis& axis) {
    std::vector<std::string> labels;
    for (const AxisTick& tick : axis.ticks) {
        if (!tick.label.empty()) {
            labels.push_back(tick.label);
        }
    }
    return labels;
}

TEST(AxisTicks, DecadeAxesEndAtDecadesAndLabelOnlyThem) {
    using Labels = std::vector<std::string>;
    const TickAxis small = decadeAxis(0.03, 241);
    EXPECT_DOUBLE_EQ(small.bottom, 0.01);
    EXPECT_DOUBLE_EQ(small.top, 1000);
    EXPECT_EQ(labelsOf(small), (Labels{"0.01", "0.1", "1", "10", "100", "1000"}));
    EXPECT_EQ(small.ticks.size(), 6u + 5u * 8u); // eight minor ticks inside each decade

    EXPECT_EQ(labelsOf(decadeAxis(0.5, 330)), (Labels{"0.1", "1", "10", "100", "1000"}));
    const TickAxis wide = decadeAxis(1, 100000);
    EXPECT_DOUBLE_EQ(wide.bottom, 1);
    EXPECT_DOUBLE_EQ(wide.top, 100000);
    EXPECT_EQ(labelsOf(wide), (Labels{"1", "10", "100", "1000", "10,000", "100,000"}));
}

TEST(AxisTicks, NarrowDecadeAxesLabelTwoAndFiveAsWell) {
    using Labels = std::vector<std::string>;
    EXPECT_EQ(labelsOf(decadeAxis(5, 60)), (Labels{"1", "2", "5", "10", "20", "50", "100"}));
    // A single value still gets a decade of axis; nonsense input an axis of some kind.
    const TickAxis one = decadeAxis(10, 10);
    EXPECT_DOUBLE_EQ(one.bottom, 10);
    EXPECT_DOUBLE_EQ(one.top, 100);
    EXPECT_FALSE(decadeAxis(0, 0).ticks.empty());
}

TEST(AxisTicks, RoundAxesUseRoundStepsAndPlainLabels) {
    using Labels = std::vector<std::string>;
    EXPECT_EQ(labelsOf(roundAxis(0, 241)), (Labels{"0", "50", "100", "150", "200", "250"}));
    EXPECT_EQ(labelsOf(roundAxis(0, 0.7)), (Labels{"0", "0.2", "0.4", "0.6", "0.8"}));
    EXPECT_EQ(labelsOf(roundAxis(0, 11.3)), (Labels{"0", "2.5", "5", "7.5", "10", "12.5"}));
    EXPECT_EQ(labelsOf(roundAxis(0, 3e6, 3)), (Labels{"0", "1,000,000", "2,000,000", "3,000,000"}));
    EXPECT_EQ(roundAxis(0, 0).top, 1);
    EXPECT_EQ(tickLabel(0.00005), "0.00005");
    EXPECT_EQ(tickLabel(-2.5), "-2.5");
}

TEST(AxisTicks, AgeLabelsThinToTenOrTwentyYearsAndKeepTheOpenTop) {
    const auto shown = [](int first, int last, double column, double label) {
        std::vector<int> ages;
        const std::vector<bool> labelled = labelledAgeColumns(first, last, column, label);
        for (std::size_t i = 0; i < labelled.size(); ++i) {
            if (labelled[i]) {
                ages.push_back((first + static_cast<int>(i)) * 5);
            }
        }
        return ages;
    };
    EXPECT_EQ(shown(0, 17, 40, 20).size(), 18u);
    EXPECT_EQ(shown(0, 17, 20, 30), (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 85}));
    EXPECT_EQ(shown(0, 17, 10, 30), (std::vector<int>{0, 20, 40, 60, 85}));
    EXPECT_EQ(shown(3, 15, 10, 30), (std::vector<int>{20, 40, 75})); // 60 yields to 75+
}

TEST(PublicationPalette, EveryLookStandsOutOnWhiteAndNoTwoAreAlike) {
    std::set<std::tuple<std::uint32_t, CurveDash, CurveMarker, bool>> seen;
    for (const CurveLook& look : publicationCurveLooks()) {
        EXPECT_GE(contrastRatio(look.colour, 0xFFFFFF), 3.0) << std::hex << look.colour;
        EXPECT_TRUE(seen.emplace(look.colour, look.dash, look.marker, look.filledMarker).second);
    }
    EXPECT_GE(contrastRatio(publicationBarColour(), 0xFFFFFF), 3.0);
    EXPECT_NEAR(contrastRatio(0x000000, 0xFFFFFF), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(0x00FFFF, 0xFFFFFF), 1.07, 0.01); // the classic yellow curve
}

TEST(GraphLook, OnlyThePublicationLookIsWrittenToTheSettings) {
    CIniFile file;
    file.parse("[Graph style]\nStyle=publication\n");
    EXPECT_EQ(readGraphLook(file), GraphLook::Publication);
    writeGraphLook(GraphLook::Classic, file);
    EXPECT_EQ(file.text(), ""); // a default profile stays as it was
    file.parse("[Graph style]\nStyle=glossy\n");
    EXPECT_EQ(readGraphLook(file), GraphLook::Classic);
    EXPECT_FALSE(parseGraphLook("Publication"));
}

} // namespace
} // namespace orvelan
