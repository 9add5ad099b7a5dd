#include "gui/reports/CReportOutputs.h"

#include "core/data/CIncidenceStore.h"
#include "core/reports/CStandardTableBuilder.h"
#include "graphics/CoreText.h"
#include "gui/reports/CAgeSpecificRatesView.h"
#include "gui/reports/CReportView.h"
#include "gui/reports/CSummaryRatesView.h"

namespace orvelan {

namespace {

// A view is given its choices and its font before it fills its grid once.
template <typename View, typename Settings>
std::unique_ptr<QWidget> filledView(const Settings& settings, const ReportChoices& choices,
                                    CIncidenceStore& store, const QString& fontFace) {
    auto view = std::make_unique<View>();
    view->setSettings(settings);
    view->createFont(fontFace);
    view->fill(store, choices.registries, choices.cancers);
    return view;
}

std::unique_ptr<QWidget> gridView(const ReportOutput& output, const ReportChoices& choices,
                                  CIncidenceStore& store, const QString& fontFace,
                                  const IntervalChoice& intervals,
                                  const StandardChoice& standards) {
    const ReportBlock& block = choices.block;
    switch (output.kind) {
    case ReportOutputKind::SummaryRatesView: {
        auto settings = SummaryRatesSettings::fromBlock(block, output.sex);
        settings.intervals = intervals;
        settings.standards = standards;
        return filledView<CSummaryRatesView>(settings, choices, store, fontFace);
    }
    case ReportOutputKind::AgeSpecificRatesView:
        return filledView<CAgeSpecificRatesView>(
            AgeSpecificRatesSettings::fromBlock(block, output.sex), choices, store, fontFace);
    case ReportOutputKind::ReportView: {
        auto settings = ReportSettings::fromBlock(block);
        settings.intervals = intervals;
        settings.standards = standards;
        return filledView<CReportView>(settings, choices, store, fontFace);
    }
    default:
        return nullptr;
    }
}

} // namespace

std::vector<ReportDocument> CReportOutputs::create(const ReportChoices& choices,
                                                   CIncidenceStore& store, const QString& fontFace,
                                                   const IntervalChoice& intervals,
                                                   const StandardChoice& standards) {
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
                                          ageSpecific ? output.sex : Sex::Male);
            if (!builder.build(store)) {
                const std::string reason =
                    store.loadError().empty() ? "its data cannot be loaded" : store.loadError();
                document.failure =
                    QStringLiteral("The standard table of population %1 cannot be built: %2")
                        .arg(choices.block.fixedRegistry)
                        .arg(fromCoreMessage(reason));
                documents.push_back(std::move(document));
                continue;
            }
            document.text = QString::fromLatin1(builder.text().data(),
                                                static_cast<qsizetype>(builder.text().size()));
        } else {
            document.view = gridView(output, choices, store, fontFace, intervals, standards);
            if (const std::string cut = store.cutShortMessage(); !cut.empty()) {
                document.view.reset(); // its cells were computed from what is no longer there
                document.failure =
                    QStringLiteral("The table cannot be built: %1").arg(fromCoreMessage(cut));
            }
        }
        documents.push_back(std::move(document));
    }
    return documents;
}

} // namespace orvelan
