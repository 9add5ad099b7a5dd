#include "ReportViews.h"

#include "CAgeSpecificRatesView.h"
#include "CReportView.h"
#include "CSummaryRatesView.h"
#include "data/CIncidenceStore.h"
#include "reports/ReportFinishPlan.h"

namespace orvelan {

std::vector<std::unique_ptr<CGridView>>
createReportViews(const ReportBlock& block, const SelectionList& registries,
                  const SelectionList& cancers, CIncidenceStore& store, const QString& fontFace) {
    std::vector<std::unique_ptr<CGridView>> views;
    for (const ReportOutput& output : reportFinishPlan(block)) {
        switch (output.kind) {
        case ReportOutputKind::SummaryRatesView: {
            auto view = std::make_unique<CSummaryRatesView>();
            view->setSettings(SummaryRatesSettings::fromBlock(block, output.sex));
            view->createFont(fontFace);
            view->fill(store, registries, cancers);
            views.push_back(std::move(view));
            break;
        }
        case ReportOutputKind::AgeSpecificRatesView: {
            auto view = std::make_unique<CAgeSpecificRatesView>();
            view->setSettings(AgeSpecificRatesSettings::fromBlock(block, output.sex));
            view->createFont(fontFace);
            view->fill(store, registries, cancers);
            views.push_back(std::move(view));
            break;
        }
        case ReportOutputKind::ReportView: {
            auto view = std::make_unique<CReportView>();
            view->setSettings(ReportSettings::fromBlock(block));
            view->createFont(fontFace);
            view->fill(store, registries, cancers);
            views.push_back(std::move(view));
            break;
        }
        case ReportOutputKind::StandardTable:
        case ReportOutputKind::StandardAgeSpecificTable:
            break;
        }
    }
    return views;
}

} // namespace orvelan
