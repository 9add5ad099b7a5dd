#include "core/app/GroupRenumbering.h"

#include <cstddef>

namespace orvelan {

namespace {

/// A single remembered number: follows its group, or falls back when the group went.
void renumber(int& number, int firstGroupNumber, int deleted, int fallback) {
    number = numberAfterGroupDeleted(number, firstGroupNumber, deleted).value_or(fallback);
}

void forgetCancerGroup(RememberedBlocks& blocks, int deleted) {
    constexpr int first = kFirstCancerGroup;
    ReportChoices& report = blocks.report;
    report.cancers = listAfterGroupDeleted(report.cancers, first, deleted);
    renumber(report.block.fixedCancer, first, deleted, 0);

    GraphSettings& graph = blocks.graph;
    graph.cancers = listAfterGroupDeleted(graph.cancers, first, deleted);
    renumber(graph.cancer, first, deleted, 0);

    AnalysisBlock& analysis = blocks.analysis;
    renumber(analysis.refCancer, first, deleted, 0);
    renumber(analysis.compCancer, first, deleted, -1);

    ExportSettings& exportSettings = blocks.exportSettings;
    exportSettings.cancerSelection =
        listAfterGroupDeleted(exportSettings.cancerSelection, first, deleted);
}

void forgetRegistryGroup(RememberedBlocks& blocks, int deleted) {
    constexpr int first = kFirstRegistryGroup;
    ReportChoices& report = blocks.report;
    report.registries = listAfterGroupDeleted(report.registries, first, deleted);
    renumber(report.block.fixedRegistry, first, deleted, 0);

    GraphSettings& graph = blocks.graph;
    graph.registries = listAfterGroupDeleted(graph.registries, first, deleted);
    renumber(graph.population, first, deleted, 0);

    AnalysisBlock& analysis = blocks.analysis;
    analysis.severalSelection = listAfterGroupDeleted(analysis.severalSelection, first, deleted);
    renumber(analysis.refPopulation, first, deleted, 0);
    renumber(analysis.compPopulation, first, deleted, -1);

    ExportSettings& exportSettings = blocks.exportSettings;
    exportSettings.populationSelection =
        listAfterGroupDeleted(exportSettings.populationSelection, first, deleted);
}

} // namespace

std::optional<int> numberAfterGroupDeleted(int number, int firstGroupNumber, int deleted) {
    const int deletedNumber = firstGroupNumber + deleted;
    if (number < deletedNumber) {
        return number;
    }
    if (number == deletedNumber) {
        return std::nullopt;
    }
    return number - 1;
}

SelectionList listAfterGroupDeleted(const SelectionList& list, int firstGroupNumber, int deleted) {
    SelectionList result = list;
    const int deletedSlot = firstGroupNumber + deleted;
    if (deletedSlot < 0 || deletedSlot >= kSelectionListSize) {
        return result;
    }
    for (int slot = deletedSlot; slot < kSelectionListSize; ++slot) {
        const bool nextSelected =
            slot + 1 < kSelectionListSize && list[static_cast<std::size_t>(slot + 1)] >= 0;
        result[static_cast<std::size_t>(slot)] = nextSelected ? slot : -1;
    }
    return result;
}

void forgetDeletedGroup(RememberedBlocks& blocks, GroupKind kind, int deleted) {
    if (kind == GroupKind::Cancer) {
        forgetCancerGroup(blocks, deleted);
    } else {
        forgetRegistryGroup(blocks, deleted);
    }
}

} // namespace orvelan
