#include "gui/reports/CReportOutputs.h"

#include "gui/reports/CAgeSpecificRatesView.h"
#include "gui/reports/CReportView.h"
#include "core/reports/CStandardTableBuilder.h"
#include "gui/reports/CSummaryRatesView.h"

namespace orvelan {

namespace {

std::unique_ptr<QWidget> gridView(const ReportOutput& output, const ReportChoices& choices,
                                  CIncidenceStore& store, const IntervalChoice& intervals) {
    const ReportBlock& block = choices.block;
    switch (output.kind) {
    case ReportOutputKind::SummaryRatesView: {
        auto view = std::make_unique<CSummaryRatesView>();
        auto settings = SummaryRatesSettings::fromBlock(block, output.sex);
        settings.intervals = intervals;
        view->setSettings(settings);
        view->fill(store, choices.registries, choices.cancers);
        return view;
    }
    case ReportOutputKind::AgeSpecificRatesView: {
        auto view = std::make_unique<CAgeSpecificRatesView>();
        view->setSettings(AgeSpecificRatesSettings::fromBlock(block, output.sex));
        view->fill(store, choices.registries, choices.cancers);
        return view;
    }
    case ReportOutputKind::ReportView: {
        auto view = std::make_unique<CReportView>();
        auto settings = ReportSettings::fromBlock(block);
        settings.intervals = intervals;
        view->setSettings(settings);
        view->fill(store, choices.registries, choices.cancers);
        return view;
    }
    default:
        return nullptr;
    }
}

} // namespace

std::vector<ReportDocument> CReportOutputs::create(const ReportChoices& choices,
                                                   CIncidenceStore& store,
                                                   const IntervalChoice& intervals) {
    std::vector<ReportDocument> documents;
    for (const ReportOutput& output : reportFinishPlan(choices.block)) {
        ReportDocument document;
        document.output = output;
        if (output.kind == ReportOutputKind::StandardTable ||
            output.kind == ReportOutputKind::StandardAgeSpecificTable) {
            const bool ageSpecific = output.kind == ReportOutputKind::StandardAgeSpecificTable;
            CStandardTableBuilder builder(choices.title, choices.block.fixedRegistry,
                                          ageSpecific ? StandardLayout::AgeSpecific
                                                      : StandardLayout::Summary,
                                          ageSpecific ? output.sex : 0);
            if (!builder.build(store)) {
                continue;
            }
            document.text = QString::fromLatin1(builder.text().data(),
                                                static_cast<qsizetype>(builder.text().size()));
        } else {
            document.view = gridView(output, choices, store, intervals);
        }
        documents.push_back(std::move(document));
    }
    return documents;
}

} // namespace orvelan
