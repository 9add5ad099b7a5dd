#include "gui/analysis/CStatsWizard.h"

#include "core/analysis/StatsWizardTexts.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/io/CTemplateFolder.h"
#include "gui/analysis/CStatsPage.h"
#include "gui/analysis/CStatsWiz0.h"
#include "gui/analysis/CStatsWiz1.h"
#include "gui/analysis/CStatsWiz2.h"
#include "gui/analysis/CStatsWiz4.h"
#include "gui/analysis/CStatsWiz5.h"

namespace orvelan {

CStatsWizard::CStatsWizard(const AnalysisBlock& remembered, const StatsWizardContext& context,
                           QWidget* parent)
    : QWizard(parent), m_context(context),
      m_block(analysisForWizard(remembered, context.registryGroups.count())) {
    setObjectName(QStringLiteral("statsWizard"));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage, true);
    setPage(kKindPage, new CStatsWiz0(*this));
    setPage(kReferencePage, new CStatsWiz1(*this));
    setPage(kComparisonPage, new CStatsWiz2(*this));
    setPage(kSeveralPage, new CStatsWiz4(*this));
    setPage(kUserCurvePage, new CStatsWiz5(*this));
    setStartId(kKindPage);
    resize(680, 560);
    connect(this, &QWizard::currentIdChanged, this, &CStatsWizard::pageChanged);
}

QString CStatsWizard::templateFolder() const {
    return QString::fromStdString(CTemplateFolder::folderOf(m_context.dataDirectory.toStdString()));
}

QString CStatsWizard::referenceDescription() const {
    const std::string text = orvelan::referenceDescription(
        m_context.store, m_block.refPopulation, m_block.refCancer,
        sexFromIndex(m_block.refSex).value_or(Sex::Male), m_block.ageLow, m_block.ageHigh);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void CStatsWizard::pageChanged(int id) {
    if (auto* statsPage = qobject_cast<CStatsPage*>(page(id))) {
        setWindowTitle(statsPage->wizardTitle());
    }
}

} // namespace orvelan
