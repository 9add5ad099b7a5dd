#include "ReportViews.h"

#include "CAgeSpecificRatesView.h"
#include "CReportView.h"
#include "CSummaryRatesView.h"
#include "gui/app/CMainFrame.h"
#include "core/data/CIncidenceStore.h"
#include "core/reports/ReportFinishPlan.h"

#include <QComboBox>

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

namespace {

DocumentType documentTypeOf(const CGridView& view) {
    if (qobject_cast<const CSummaryRatesView*>(&view) != nullptr) {
        return DocumentType::SummaryRates;
    }
    if (qobject_cast<const CAgeSpecificRatesView*>(&view) != nullptr) {
        return DocumentType::AgeSpecificRates;
    }
    return DocumentType::UserReport;
}

} // namespace

int openReportViews(CMainFrame& frame, const ReportBlock& block, const SelectionList& registries,
                    const SelectionList& cancers, CIncidenceStore& store,
                    const QString& workFolder) {
    const QString face = frame.fontNameBox() != nullptr ? frame.fontNameBox()->currentText()
                                                        : QStringLiteral("Arial");
    std::vector<std::unique_ptr<CGridView>> views =
        createReportViews(block, registries, cancers, store, face);
    const int count = static_cast<int>(views.size());
    for (std::unique_ptr<CGridView>& owned : views) {
        CGridView* view = owned.release();
        view->setWorkFolder(workFolder);
        QObject::connect(&frame, &CMainFrame::fontFaceChanged, view, &CGridView::setFontFace);
        frame.openDocument(documentTypeOf(*view), view);
    }
    return count;
}

} // namespace orvelan
