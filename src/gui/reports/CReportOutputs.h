#pragma once

#include "core/rates/IntervalMethod.h"
#include "core/rates/StandardPopulations.h"
#include "core/reports/ReportBlock.h"
#include "core/reports/ReportFinishPlan.h"

#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

// The documents that Finish in the report wizard opens, built in order: grid views that have
// computed their tables, or standard table texts for the text view.
namespace orvelan {

class CIncidenceStore;

struct ReportDocument {
    ReportOutput output;
    /// The grid view of a summary, age-specific or user report; null for standard tables.
    std::unique_ptr<QWidget> view;
    /// The standard table's text (lines ending in "\r\n"); empty for grid views.
    QString text;
    /// Why the document could not be built (no view and no text then); empty when it was.
    QString failure;
};

class CReportOutputs {
  public:
    /// Builds every document of the finish plan, males first; grid views draw in a face of the
    /// font bar. A standard table whose data cannot be loaded comes back with only its failure.
    /// intervals: how the summary and report views compute their confidence limits.
    static std::vector<ReportDocument> create(const ReportChoices& choices, CIncidenceStore& store,
                                              const QString& fontFace,
                                              const IntervalChoice& intervals = {},
                                              const StandardChoice& standards = classicStandards());
};

} // namespace orvelan
