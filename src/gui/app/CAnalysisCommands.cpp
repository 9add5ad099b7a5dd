#include "gui/app/CAnalysisCommands.h"

#include "gui/analysis/CCMPseveralResult.h"
#include "gui/analysis/CCMPtwoResult.h"
#include "gui/analysis/CStatsWizard.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/framework/CommandIds.h"

#include <QComboBox>

namespace orvelan {

std::vector<int> CAnalysisCommands::commands() const { return {cmd::kNewAnalysis}; }

bool CAnalysisCommands::isAvailable(int /*id*/) const { return true; }

void CAnalysisCommands::run(int /*id*/) {
    if (!requireData()) {
        return;
    }
    const StatsWizardContext context{app().store(), app().registryGroups(), app().cancerGroups(),
                                     app().dataDirectory()};
    CStatsWizard wizard(app().blocks().analysis, context, &frame());
    if (wizard.exec() != QDialog::Accepted) {
        return;
    }
    // The choices (typed-in curve included) become the defaults of the next run first: the
    // results read the typed-in curve from them.
    app().blocks().analysis = wizard.block();
    const AnalysisBlock& block = app().blocks().analysis;
    if (block.analysisKind == 1) {
        openSeveralCurves(block);
    } else {
        showTwoCurves(block);
    }
}

void CAnalysisCommands::openSeveralCurves(const AnalysisBlock& block) {
    auto* view = new CCMPseveralResult;
    SirRequest request;
    request.cancer = block.refCancer;
    request.refPopulation = block.refPopulation;
    request.sex = sexFromIndex(block.refSex).value_or(Sex::Male); // the wizard stores 0 or 1
    request.ageLow = block.ageLow;
    request.ageHigh = block.ageHigh;
    view->setRequest(request);
    view->setWorkFolder(app().workDirectory());
    view->createFont(frame().fontNameBox()->currentText());
    view->setTests(app().sirTests());
    view->fill(app().store(), block.severalSelection);
    ++m_statisticCount;
    frame().openDocument(DocumentType::SeveralCurves, view,
                         QStringLiteral("Statistic %1").arg(m_statisticCount));
}

void CAnalysisCommands::showTwoCurves(const AnalysisBlock& block) {
    TwoCurveContext context{app().store(), std::nullopt, app().workDirectory(), &app().graphLook()};
    if (block.analysisKind != 0) {
        UserCurve typed;
        typed.title = block.userCurveTitle;
        typed.cases = block.userCases;
        typed.personYears = block.userPersonYears;
        typed.rates = block.userRates;
        context.userCurve = typed;
    }
    CCMPtwoResult dialog(&frame(), context, block.refCancer, block.compCancer, block.refPopulation,
                         block.compPopulation, block.refSex, block.compSex, block.ageLow,
                         block.ageHigh, block.analysisKind);
    dialog.exec();
}

} // namespace orvelan
