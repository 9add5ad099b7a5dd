#include "core/app/RememberedBlocks.h"

#include "core/data/SelectionBounds.h"

namespace orvelan {

ReportChoices reportForWizard(const ReportChoices& remembered, int registryGroupCount,
                              int cancerGroupCount) {
    ReportChoices copy = remembered;
    copy.registries = boundedRegistries(remembered.registries, registryGroupCount);
    copy.cancers = boundedCancers(remembered.cancers, cancerGroupCount);
    return copy;
}

GraphSettings graphForWizard(const GraphSettings& remembered, int registryGroupCount,
                             int cancerGroupCount) {
    const GraphSettings fresh;
    GraphSettings copy = remembered;
    copy.registries = boundedRegistries(remembered.registries, registryGroupCount);
    copy.cancers = boundedCancers(remembered.cancers, cancerGroupCount);
    copy.title = fresh.title;
    copy.pyramidBasis = fresh.pyramidBasis;
    copy.lineThickness = fresh.lineThickness;
    copy.lineSymbol = fresh.lineSymbol;
    return copy;
}

void keepGraphChoices(GraphSettings& remembered, const GraphSettings& wizard) {
    const GraphSettings kept = remembered;
    remembered = wizard;
    remembered.title = kept.title;
    remembered.pyramidBasis = kept.pyramidBasis;
    remembered.lineThickness = kept.lineThickness;
    remembered.lineSymbol = kept.lineSymbol;
}

AnalysisBlock analysisForWizard(const AnalysisBlock& remembered, int registryGroupCount) {
    AnalysisBlock copy = remembered;
    copy.severalSelection = boundedRegistries(remembered.severalSelection, registryGroupCount);
    return copy;
}

ExportSettings exportForWizard(const ExportSettings& remembered, int registryGroupCount,
                               int cancerGroupCount) {
    ExportSettings copy = remembered;
    copy.populationSelection =
        boundedRegistries(remembered.populationSelection, registryGroupCount);
    copy.cancerSelection = boundedCancers(remembered.cancerSelection, cancerGroupCount);
    return copy;
}

} // namespace orvelan
