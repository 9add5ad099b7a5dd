#include "core/app/RememberedBlocks.h"

#include "core/app/GroupRenumbering.h"

#include <gtest/gtest.h>

namespace orvelan {
namespace {

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

TEST(GroupRenumbering, NumbersFollowTheirGroups) {
    struct Case {
        int number;
        std::optional<int> expected;
    };
    // Three registry groups 272, 273, 274; the first is deleted.
    for (const Case& c :
         {Case{17, 17}, Case{271, 271}, Case{272, std::nullopt}, Case{273, 272}, Case{274, 273}}) {
        EXPECT_EQ(numberAfterGroupDeleted(c.number, kFirstRegistryGroup, 0), c.expected)
            << c.number;
    }
    EXPECT_EQ(numberAfterGroupDeleted(253, kFirstCancerGroup, 1), std::nullopt);
    EXPECT_EQ(numberAfterGroupDeleted(252, kFirstCancerGroup, 1), 252);
}

TEST(GroupRenumbering, ListsShiftDownAndKeepTheirSlotValues) {
    SelectionList list = emptySelectionList();
    list[3] = 3;
    list[273] = 273; // group 1 (deleted)
    list[274] = 274; // group 2 becomes group 1
    list[320] = 320;
    const SelectionList after = listAfterGroupDeleted(list, kFirstRegistryGroup, 1);
    EXPECT_EQ(after[3], 3);
    EXPECT_EQ(after[272], -1);
    EXPECT_EQ(after[273], 273);
    EXPECT_EQ(after[274], -1);
    EXPECT_EQ(after[319], 319);
    EXPECT_EQ(after[320], -1);
}

TEST(GroupRenumbering, EveryRememberedBlockFollows) {
    RememberedBlocks blocks;
    blocks.report.block.fixedCancer = 253;
    blocks.report.cancers[254] = 254;
    blocks.graph.cancer = 252;
    blocks.graph.cancers[253] = 253;
    blocks.analysis.refCancer = 252;
    blocks.analysis.compCancer = 252;
    blocks.exportSettings.cancerSelection[253] = 253;
    blocks.report.block.fixedRegistry = 273;

    forgetDeletedGroup(blocks, GroupKind::Cancer, 0);
    EXPECT_EQ(blocks.report.block.fixedCancer, 252);
    EXPECT_EQ(blocks.report.cancers[253], 253);
    EXPECT_EQ(blocks.report.cancers[254], -1);
    EXPECT_EQ(blocks.graph.cancer, 0); // named the deleted group
    EXPECT_EQ(blocks.graph.cancers[252], 252);
    EXPECT_EQ(blocks.analysis.refCancer, 0);
    EXPECT_EQ(blocks.analysis.compCancer, -1);
    EXPECT_EQ(blocks.exportSettings.cancerSelection[252], 252);
    EXPECT_EQ(blocks.report.block.fixedRegistry, 273); // registries untouched

    blocks.analysis.severalSelection[272] = 272;
    blocks.analysis.severalSelection[273] = 273;
    blocks.exportSettings.populationSelection[273] = 273;
    forgetDeletedGroup(blocks, GroupKind::Registry, 0);
    EXPECT_EQ(blocks.report.block.fixedRegistry, 272);
    EXPECT_EQ(blocks.analysis.severalSelection[272], 272);
    EXPECT_EQ(blocks.analysis.severalSelection[273], -1);
    EXPECT_EQ(blocks.exportSettings.populationSelection[272], 272);
}

} // namespace
} // namespace orvelan
