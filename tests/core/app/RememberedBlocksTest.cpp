#include "core/app/RememberedBlocks.h"

#include <gtest/gtest.h>

namespace orvelan {
namespace {

bool allUnselected(const SelectionList& list) {
    return std::all_of(list.begin(), list.end(), [](int slot) { return slot == -1; });
}

TEST(RememberedBlocks, StartWithTheWholeAgeRangeAndEmptyLists) {
    const RememberedBlocks blocks;

    const GraphSettings& g = blocks.graph;
    EXPECT_EQ(g.kind, GraphKind::AgeSpecific);
    EXPECT_EQ(g.barChartType, BarChartType::Cancer);
    EXPECT_EQ(g.rateKind, RateKind::AsrWorld);
    EXPECT_EQ(g.sex, Sex::Male);
    EXPECT_EQ(
        (std::array<int, 6>{g.cancer, g.population, g.ageFrom, g.ageTo, g.reserved1, g.reserved2}),
        (std::array<int, 6>{0, 0, 0, 17, 0, 0}));
    EXPECT_TRUE(allUnselected(g.registries) && allUnselected(g.cancers));
    EXPECT_EQ(g.title, "");
    EXPECT_EQ((std::array<int, 4>{g.pyramidBasis, g.lineThickness, g.lineSymbol, g.sliceCount}),
              (std::array<int, 4>{0, 1, 0, 5}));
    EXPECT_EQ(g.barIncidence, 0xFF0000u); // blue: red + 256 green + 65536 blue
    EXPECT_EQ(g.ageBackground, 0xFFFFFFu);
    EXPECT_EQ(g.popText, 0u);

    const AnalysisBlock& a = blocks.analysis;
    EXPECT_EQ(a.ageLow, 0);
    EXPECT_EQ(a.ageHigh, 17);
    EXPECT_LT(a.compCancer, 0);
    EXPECT_LT(a.compPopulation, 0);
    EXPECT_TRUE(allUnselected(a.severalSelection));
}

TEST(RememberedBlocks, WizardCopiesDropGroupsThatNoLongerExist) {
    RememberedBlocks blocks;
    blocks.report.registries[274] = 274;
    blocks.report.cancers[253] = 253;
    blocks.analysis.severalSelection[273] = 273;
    blocks.exportSettings.populationSelection[272] = 272;
    blocks.exportSettings.cancerSelection[252] = 252;

    const auto report = reportForWizard(blocks.report, 2, 1);
    EXPECT_EQ(report.registries[274], -1);
    EXPECT_EQ(report.cancers[253], -1);
    EXPECT_EQ(analysisForWizard(blocks.analysis, 2).severalSelection[273], 273);
    EXPECT_EQ(analysisForWizard(blocks.analysis, 1).severalSelection[273], -1);
    const auto exported = exportForWizard(blocks.exportSettings, 1, 0);
    EXPECT_EQ(exported.populationSelection[272], 272);
    EXPECT_EQ(exported.cancerSelection[252], -1);
}

TEST(RememberedBlocks, GraphWizardStartsTitleAndLineStyleAfreshAndKeepsTheRest) {
    GraphSettings remembered;
    remembered.kind = GraphKind::PieChart;
    remembered.sliceCount = 8;
    remembered.title = "old";
    remembered.lineThickness = 0;

    GraphSettings wizard = graphForWizard(remembered, 0, 0);
    EXPECT_EQ(wizard.kind, GraphKind::PieChart);
    EXPECT_EQ(wizard.sliceCount, 8);
    EXPECT_EQ(wizard.title, "");
    EXPECT_EQ(wizard.lineThickness, 1);

    wizard.kind = GraphKind::Pyramid;
    wizard.population = 40;
    wizard.title = "Pyramid of Iowa";
    wizard.pyramidBasis = 1;
    wizard.lineSymbol = 2;
    keepGraphChoices(remembered, wizard);
    EXPECT_EQ(remembered.kind, GraphKind::Pyramid);
    EXPECT_EQ(remembered.population, 40);
    EXPECT_EQ(remembered.title, "old");
    EXPECT_EQ(remembered.pyramidBasis, 0);
    EXPECT_EQ(remembered.lineSymbol, 0);
    EXPECT_EQ(remembered.lineThickness, 0);
}

} // namespace
} // namespace orvelan
