#pragma once

#include "core/data/Codes.h"
#include "core/export/ExportSettings.h"
#include "core/graphs/GraphSettings.h"
#include "core/reports/ReportBlock.h"

#include <string>

// The wizard choices the application object remembers from one run of a wizard to the next.
// Each wizard starts from a copy of its block and hands the copy back on Finish only.
namespace orvelan {

/// The statistics wizard's choices.
struct AnalysisBlock {
    int analysisKind = 0; // 0 two curves, 1 several populations, 2 user-defined comparison
    int ageLow = 0;
    int ageHigh = kTopAgeGroup;
    int refCancer = 0;
    int refPopulation = 0;
    int refSex = 0;
    int compCancer = -1; // negative: no comparison curve chosen yet
    int compPopulation = -1;
    int compSex = 0;
    std::string userCurveTitle; // at most 255 characters
    /// Per population number 0-320: the number when selected, -1 otherwise.
    SelectionList severalSelection = emptySelectionList();
    /// The user-entered curve by age group 0-17; rates per 100,000.
    AgeArray userCases{};
    AgeArray userPersonYears{};
    AgeArray userRates{};

    friend bool operator==(const AnalysisBlock&, const AnalysisBlock&) = default;
};

/// The four remembered blocks with their values at start-up: whole age range, empty
/// selection lists, rate kind "ASR (World)", the graph defaults, formatted-text export.
struct RememberedBlocks {
    ReportChoices report;
    GraphSettings graph;
    AnalysisBlock analysis;
    ExportSettings exportSettings;

    friend bool operator==(const RememberedBlocks&, const RememberedBlocks&) = default;
};

/// The copy a report wizard starts from: list slots of groups that no longer exist cleared.
ReportChoices reportForWizard(const ReportChoices& remembered, int registryGroupCount,
                              int cancerGroupCount);

/// The copy a graph wizard starts from: lists bounded as above; title, pyramid basis, line
/// thickness and line symbol start afresh (empty, 0, thick, none).
GraphSettings graphForWizard(const GraphSettings& remembered, int registryGroupCount,
                             int cancerGroupCount);
/// Finish in the graph wizard: everything comes back except the four fields that start
/// afresh.
void keepGraphChoices(GraphSettings& remembered, const GraphSettings& wizard);

/// The copy the statistics wizard starts from: population slots of missing groups cleared.
AnalysisBlock analysisForWizard(const AnalysisBlock& remembered, int registryGroupCount);

/// The copy the export wizard starts from: both lists bounded.
ExportSettings exportForWizard(const ExportSettings& remembered, int registryGroupCount,
                               int cancerGroupCount);

} // namespace orvelan
